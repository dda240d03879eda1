#include "app/app_delegate.h"

#include "console/log_console.h"
#include "support/globals.h"
#include "window/console_view.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class CheckWordTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        gTextView = m_delegate.resultView;
    }

    QString checkTyped(const QString& text)
    {
        m_delegate.theWord->setText(text);
        auto* button = m_delegate.window()->findChild<QPushButton*>(QStringLiteral("checkWordButton"));
        testing::internal::CaptureStdout();
        QTest::mouseClick(button, Qt::LeftButton);
        testing::internal::GetCapturedStdout();
        return m_delegate.resultView->toPlainText();
    }

    AppDelegate m_delegate;
};

TEST_F(CheckWordTest, WordGetsItsDefinitionAndVerdictAndTheFieldEmpties)
{
    const QString console = checkTyped("garden");
    EXPECT_TRUE(console.startsWith("garden\nnoun\n")) << console.toStdString();
    EXPECT_TRUE(console.endsWith("'garden' is a word\n")) << console.toStdString();
    EXPECT_TRUE(m_delegate.theWord->text().isEmpty());
}

TEST_F(CheckWordTest, NonTermGetsTheRejectionAlone)
{
    EXPECT_EQ(checkTyped("catxyz"), "'catxyz' is not a word.\n");
    EXPECT_TRUE(m_delegate.theWord->text().isEmpty());
}

TEST_F(CheckWordTest, EmptyFieldWritesNothing)
{
    EXPECT_EQ(checkTyped(""), "");
}

TEST_F(CheckWordTest, TextIsTakenExactlyAsTyped)
{
    const QString console = checkTyped(" garden");
    EXPECT_EQ(console, "' garden' is not a word.\n");
}

} // namespace
