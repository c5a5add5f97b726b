#include "widgets/TFnpNumericEdit.h"
#include "widgets/WindGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A shown, active window with the edit and a second box to move the focus to.
struct EditWindow {
    EditWindow() {
        auto* layout = new QVBoxLayout(&window);
        edit = new TFnpNumericEdit(&window);
        edit->setMaxValue(90.0);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QApplication::processEvents();
    }
    QWidget window;
    TFnpNumericEdit* edit;
    QLineEdit* other;
};

}  // namespace

TEST(NumericEdit, TakesOnlyDigitsThePointAndEditingKeysAndNoZeroAtTheVeryStart) {
    EditWindow w;
    const std::pair<const char*, const char*> cases[] = {{"1a2,-.5 x", "12.5"}, {"010", "10"}};
    for (const auto& [keys, text] : cases) {
        w.edit->clear();
        QTest::keyClicks(w.edit, keys);
        EXPECT_EQ(w.edit->text(), text) << keys;
    }
    QTest::keyClick(w.edit, Qt::Key_Backspace);
    EXPECT_EQ(w.edit->text(), "1");
    w.edit->selectAll();
    QTest::keyClicks(w.edit, "0");  // typed over the whole text: at the very start
    EXPECT_EQ(w.edit->text(), "1");
}

TEST(NumericEdit, EnterReachesTheKeyHandlerAsTheNullCharacter) {
    EditWindow w;
    w.edit->setText(QStringLiteral("30"));
    QSignalSpy keys(w.edit, &TFnpNumericEdit::keyPressed);
    QTest::keyClick(w.edit, Qt::Key_Return);
    QTest::keyClick(w.edit, Qt::Key_Enter);
    QTest::keyClicks(w.edit, QStringLiteral("5"));
    ASSERT_EQ(keys.count(), 3);
    EXPECT_EQ(keys.at(0).at(0).value<QChar>(), QChar(0));
    EXPECT_EQ(keys.at(1).at(0).value<QChar>(), QChar(0));
    EXPECT_EQ(keys.at(2).at(0).value<QChar>(), QChar('5'));
    EXPECT_EQ(w.edit->text(), "305");
}

TEST(NumericEdit, PasteOfForeignTextIsRefused) {
    EditWindow w;
    w.edit->setText(QStringLiteral("12"));
    w.edit->setCursorPosition(2);
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    w.edit->paste();
    EXPECT_EQ(w.edit->text(), "12");
    QApplication::clipboard()->setText(QStringLiteral("3.5"));
    w.edit->paste();
    EXPECT_EQ(w.edit->text(), "123.5");
}

// Equal minimum and maximum turn the check off.
TEST(NumericEdit, LeavingWithAValueOutOfRangeRaisesInvalidEntry) {
    EditWindow w;
    const struct {
        double max;
        const char* text;
        int raised;
    } cases[] = {{90, "95", 1}, {90, "45", 0}, {0, "95", 0}};
    for (const auto& c : cases) {
        QSignalSpy invalid(w.edit, &TFnpNumericEdit::invalidEntry);
        w.edit->setMaxValue(c.max);
        w.edit->setFocus();
        w.edit->setText(c.text);
        w.other->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(invalid.count(), c.raised) << c.text << " up to " << c.max;
    }
}

TEST(WindGrid, CellsAreAddressedByColumnThenRowWithHeadersKept) {
    WindGrid grid(5, 9);
    grid.setHeaders({"P", "V", "O", "I"}, {"N", "NE", "L", "SE", "S", "SO", "O", "NO"});
    grid.setCell(2, 3, QStringLiteral("2.50"));
    EXPECT_EQ(grid.cell(2, 3), "2.50");
    EXPECT_EQ(grid.cell(1, 0), "P");
    EXPECT_EQ(grid.cell(0, 8), "NO");
    EXPECT_EQ(grid.cell(0, 0), "");
    EXPECT_EQ(grid.cell(9, 9), "");  // outside: empty, no crash
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(NumericEdit, EnteringTheBoxFromTheProgramSelectsItsValue) {
    EditWindow w;
    w.other->setFocus();
    w.edit->setValue(0.0);
    w.edit->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(w.edit, QStringLiteral("30"));
    EXPECT_EQ(w.edit->text(), "30");
}
