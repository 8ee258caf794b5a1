#include "controls/KoTextEdit/CTextEditControl.h"
#include "tests/controls/common/ControlTestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kW = 150, kH = 22;

class TextEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CTextEditControl::Register(), 1);
        ctl = new CTextEditControl;
        ASSERT_TRUE(
            ctl->Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + kW, 10 + kH), &frame, 1600));
        ctl->InitTextEditMsg();
        PumpMessages();
    }
    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(ctl->GetEdit()->GetWidget()); }
    std::string Text(int size) {
        std::vector<char> buffer(size_t(size) + 1, 'x');
        ctl->GetText(buffer.data(), size);
        return buffer.data();
    }

    TestFrame frame;
    CTextEditControl* ctl = nullptr;
};

TEST_F(TextEditTest, InnerEditIsARealLineEditInsideTheFrame) {
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(ctl->GetDlgItem(777), ctl->GetEdit());
    EXPECT_EQ(Edit()->geometry(), QRect(1, 1, kW - 3, kH - 3));
    EXPECT_TRUE(Edit()->font().bold());
    EXPECT_EQ(Edit()->font().pixelSize(), 12);
    // The black fill shows as a frame at the top/left and at W − 2 / H − 2; the last column
    // and row keep the window background.
    EXPECT_EQ(Pixel(ctl, 0, 5), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(ctl, 5, 0), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(ctl, kW - 2, 5), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(ctl, kW - 1, 5), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Pixel(ctl, 5, kH - 1), GetSysColor(COLOR_WINDOW));
    ctl->MoveWindow(10, 10, 80, 30);
    EXPECT_EQ(Edit()->geometry(), QRect(1, 1, 77, 27));
}

TEST_F(TextEditTest, TypedTextComesBackWithinTheBufferSize) {
    QTest::keyClicks(Edit(), "public");
    EXPECT_EQ(Text(64), "public");
    EXPECT_EQ(Text(7), "public");
    EXPECT_EQ(Text(4), "pub");
    EXPECT_EQ(Text(1), "");
    QTest::keyClick(Edit(), Qt::Key_Backspace);
    EXPECT_EQ(Text(64), "publi");
}

TEST_F(TextEditTest, SetTextReplacesWhatTheEditShows) {
    QTest::keyClicks(Edit(), "old");
    ctl->SetText("10.0.0.1");
    EXPECT_EQ(Edit()->text().toStdString(), "10.0.0.1");
    EXPECT_EQ(Text(64), "10.0.0.1");
    ctl->SetText("");
    EXPECT_EQ(Text(64), "");
}

TEST_F(TextEditTest, LimitTextStopsTypingAtTheLimit) {
    ctl->LimitText(4);
    QTest::keyClicks(Edit(), "community");
    EXPECT_EQ(Text(64), "comm");
    ctl->LimitText(0);
    QTest::keyClicks(Edit(), "ity");
    EXPECT_EQ(Text(64), "commity");
}

TEST_F(TextEditTest, FocusMovesIntoTheEditWithAllTextSelected) {
    QWidget* top = frame.GetWidget();
    top->activateWindow();
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    ctl->SetText("private");
    ctl->SetFocus();
    PumpMessages();
    EXPECT_TRUE(Edit()->hasFocus());
    EXPECT_EQ(Edit()->selectedText().toStdString(), "private");
    // Typing replaces the selection, as in any edit.
    QTest::keyClicks(Edit(), "x");
    EXPECT_EQ(Text(64), "x");
}

TEST_F(TextEditTest, DisablingDisablesTheEditAndGreysTheBackground) {
    QTest::keyClicks(Edit(), "ab");
    ctl->EnableWindow(FALSE);
    EXPECT_FALSE(ctl->IsEnabledFlag());
    EXPECT_FALSE(ctl->GetEdit()->IsWindowEnabled());
    EXPECT_EQ(Pixel(ctl, kW - 1, 5), GetSysColor(COLOR_BTNFACE));
    QTest::keyClicks(Edit(), "cd");
    EXPECT_EQ(Text(64), "ab");

    ctl->EnableWindow(TRUE);
    EXPECT_TRUE(ctl->IsEnabledFlag());
    EXPECT_TRUE(ctl->GetEdit()->IsWindowEnabled());
    EXPECT_EQ(Pixel(ctl, kW - 1, 5), GetSysColor(COLOR_WINDOW));
    QTest::keyClicks(Edit(), "cd");
    EXPECT_EQ(Text(64), "abcd");
}

TEST_F(TextEditTest, EditGoesWithTheControl) {
    HWND edit = ctl->GetEdit()->m_hWnd;
    ctl->DestroyWindow();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_TRUE(frame.messages.empty()); // nothing reached the parent
}

TEST_F(TextEditTest, TheLimitCountsWholeCharactersAndACutIsReported) {
    ctl->LimitText(3);
    PumpMessages();
    frame.messages.clear();
    // Four-byte characters are two UTF-16 units each: none is ever cut in half.
    ctl->SetText("\xF0\x9F\x98\x80\xF0\x9F\x98\x81\xF0\x9F\x98\x82\xF0\x9F\x98\x83");
    EXPECT_EQ(Text(64), "\xF0\x9F\x98\x80\xF0\x9F\x98\x81\xF0\x9F\x98\x82");
    PumpMessages();
    const RecordedMessage cut{WM_COMMAND, MAKEWPARAM(1600, EN_MAXTEXT), LPARAM(ctl->m_hWnd)};
    ASSERT_EQ(frame.messages.size(), 1u);
    EXPECT_EQ(frame.messages[0], cut);

    // Typing in the middle keeps what was there and drops what did not fit.
    ctl->SetText("ab");
    Edit()->setCursorPosition(1);
    QTest::keyClicks(Edit(), "XYZ");
    EXPECT_EQ(Text(64), "aXb");
    PumpMessages();
    EXPECT_EQ(frame.messages.size(), 3u) << "one report for each key that did not fit";

    // A lower limit leaves the text there whole; it holds what comes next.
    ctl->LimitText(0);
    ctl->SetText("public-community");
    ctl->LimitText(4);
    EXPECT_EQ(Text(64), "public-community");
    QTest::keyClick(Edit(), Qt::Key_End);
    QTest::keyClicks(Edit(), "x");
    EXPECT_EQ(Text(64), "public-community");
}

} // namespace
