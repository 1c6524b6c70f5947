// The panel's card and phone sections on real Qt widgets: Ctrl+K, the print order's checks and
// the phones' box following the web service however it was turned on or off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>

#include "cards/bingo_card.h"
#include "cards/card_key.h"
#include "platform/headless/fixed_entropy.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/qt/qt_operator_panel.h"
#include "platform/qt/qt_panel_sections.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/temporary_folder.h"
#include "texts/japanese.h"
#include "web/web_service.h"

namespace palvo {
namespace {

TEST(QtPanelSections, CtrlKPrintChecksAndThePhonesBox)
{
    TestApplication();
    TemporaryFolder folder("palvo_panel_sections");
    FixedEntropy entropy(3);
    ScriptedMessageBoxes messages;
    GameStatePublisher game;
    DrawRecord record;
    record.Create(75);
    game.OnGameReset(record);
    WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18431;
    options.lastPort = 18449;
    WebService web(game, nullptr, options);
    int toggles = 0;
    QWidget owner;
    QtOperatorPanel panel(owner);
    // The digit colour is asked at each check, so a colour changed in the settings is followed.
    ColorTriple digitColour{0, 180, 255};
    std::vector<CardVerdict> shownToHall;
    AddPanelSections(
        panel, game, folder.Path(), entropy, [&digitColour] { return digitColour; },
        [&shownToHall](const CardVerdict& verdict) {
            shownToHall.push_back(verdict);
            return shownToHall.size() == 1;  // then the hall's window is closed
        },
        messages, web, [&web, &toggles] {
            ++toggles;
            web.Toggle();
        });
    panel.Open(std::nullopt);
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&panel] { return QApplication::activeWindow() == &panel; }));
    auto find = [&panel]<typename Widget>(Widget*, const char* name) {
        Widget* found = panel.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };

    panel.FocusNumber();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier);
    auto* code = find(static_cast<QLineEdit*>(nullptr), "txtCardCode");
    EXPECT_EQ(QApplication::focusWidget(), code);

    // A checked card can be shown to the hall, in the colour of the moment; a mistyped code cannot.
    auto* proof = find(static_cast<QPushButton*>(nullptr), "cmdCardProof");
    EXPECT_FALSE(proof->isEnabled());
    const CardKeyReading key = ReadOrCreateCardKey(folder.Path(), entropy);
    ASSERT_TRUE(key.Usable());
    const BingoCard card = *CardMaker(key.key).MakeCard(75, 0, 3);
    const std::string cardText = CardCodeText(card.code);
    digitColour = ColorTriple{200, 10, 30};
    QTest::keyClicks(code, QString::fromStdString(cardText));
    QTest::keyClick(code, Qt::Key_Return);
    ASSERT_TRUE(proof->isEnabled());
    const auto* picture = find(static_cast<QLabel*>(nullptr), "picCard");
    const QImage shown = picture->pixmap().toImage();
    // The free centre is drawn in the digit colour: the one set after the panel was made.
    int newColour = 0;
    int oldColour = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            newColour += shown.pixel(x, y) == qRgb(30, 10, 200) ? 1 : 0;
            oldColour += shown.pixel(x, y) == qRgb(255, 180, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(newColour, 20);
    EXPECT_EQ(oldColour, 0);
    QTest::keyClick(code, Qt::Key_V, Qt::AltModifier);
    // A mnemonic presses its button a moment later, as a click would.
    ASSERT_TRUE(QTest::qWaitFor([&shownToHall] { return shownToHall.size() == 1; }, 2000));
    QTest::mouseClick(proof, Qt::LeftButton);
    ASSERT_EQ(shownToHall.size(), 2u);
    EXPECT_EQ(shownToHall[0].card, card);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, texts::kCardProofNoHall);
    QTest::keyClicks(code, QStringLiteral("nonsense"));
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(proof->isEnabled());
    messages.ClearMessages();

    // The highest number follows the game; a too small one and a damaged key are refused with
    // their messages before any dialog, and the key is left as it is.
    auto* numMax = find(static_cast<QSpinBox*>(nullptr), "spnCardNumMax");
    EXPECT_EQ(numMax->value(), 75);
    record.Create(90);
    game.OnGameReset(record);
    EXPECT_EQ(numMax->value(), 90);
    numMax->setValue(24);
    auto* print = find(static_cast<QPushButton*>(nullptr), "cmdCardPrint");
    QTest::mouseClick(print, Qt::LeftButton);
    numMax->setValue(75);
    const std::filesystem::path keyPath = folder.Path() / kCardKeyName;
    std::ofstream(keyPath, std::ios::binary) << "not a key\n";
    QTest::mouseClick(print, Qt::LeftButton);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, texts::kCardNumMaxTooLow);
    EXPECT_EQ(messages.Messages()[1].text, texts::kCardKeyUnreadable);
    EXPECT_EQ(std::filesystem::file_size(keyPath), 10u) << "the damaged key stays";

    // The box turns the service on and off as F6 does and shows the address only while on; F6
    // itself (here: the service turned on directly) is followed too.
    auto* box = find(static_cast<QCheckBox*>(nullptr), "chkWeb");
    auto* address = find(static_cast<QLabel*>(nullptr), "lblWebAddress");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(address->text(), QString::fromUtf8(texts::kPanelWebOff.data(), texts::kPanelWebOff.size()));
    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(web.IsOn());
    EXPECT_EQ(toggles, 1);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(address->text().startsWith(QStringLiteral("http://127.0.0.1:184")));
    EXPECT_EQ(address->text().toStdString(), web.Address());
    EXPECT_TRUE(address->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    web.TurnOff();
    EXPECT_FALSE(box->isChecked());
    web.TurnOn();
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(web.IsOn());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(address->text(), QString::fromUtf8(texts::kPanelWebOff.data(), texts::kPanelWebOff.size()));
}

}  // namespace
}  // namespace palvo
