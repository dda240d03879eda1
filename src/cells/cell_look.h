#pragma once

#include <QColor>

class QLineEdit;

// The colours of the board's cells, all sRGB.
inline const QColor kCellBackground = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 1.0f);
inline const QColor kInputTextColour = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
inline const QColor kFixedTextColour = QColor::fromRgbF(0.0f, 0.0f, 1.0f, 1.0f);
inline const QColor kValidWordColour = QColor::fromRgbF(0.0f, 0.8f, 0.2f, 1.0f);
inline const QColor kInvalidWordColour = QColor::fromRgbF(1.0f, 0.0f, 0.0f, 1.0f);

void setTextColor(QLineEdit* field, const QColor& colour);
void setBackgroundColor(QLineEdit* field, const QColor& colour);
QColor textColor(const QLineEdit* field);
QColor backgroundColor(const QLineEdit* field);
