// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace {

class DeferredIconStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;
};

// The style's icon, asked for when it is first drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(QStyle::StandardPixmap which, const QWidget* widget)
        : m_which(which)
        , m_widget(const_cast<QWidget*>(widget)) // only read
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon()
    {
        if (!m_isMade) {
            // The application's style now, which may have been replaced since.
            const QStyle* style = QApplication::style();
            if (const auto* deferring = dynamic_cast<const DeferredIconStyle*>(style))
                style = deferring->baseStyle();
            m_icon = style->standardIcon(m_which, nullptr, m_widget);
            m_isMade = true;
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_which;
    QPointer<QWidget> m_widget;
    QIcon m_icon;
    bool m_isMade = false;
};

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(which, widget));
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace

void deferExtensionButtonIcons()
{
    QStyle* current = QApplication::style();
    if (!dynamic_cast<DeferredIconStyle*>(current))
        QApplication::setStyle(new DeferredIconStyle(current->name())); // the same style, by name
}
