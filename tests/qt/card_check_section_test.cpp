#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>

#include "cards/card_key.h"
#include "platform/headless/fixed_entropy.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/qt/qt_card_check_section.h"
#include "tests/qt/qt_test_application.h"
#include "tests/support/temporary_folder.h"

namespace palvo {
namespace {

// Typed as a person types it, Enter: the verdict's words and the card's picture appear.
TEST(QtCardCheckSection, EnterInTheCodeFieldShowsTheVerdictAndTheCard)
{
    TestApplication();
    TemporaryFolder folder("palvo_card_section");
    FixedEntropy entropy(7);
    const CardKeyReading key = ReadOrCreateCardKey(folder.Path(), entropy);
    ASSERT_TRUE(key.Usable());
    const BingoCard card = *CardMaker(key.key).MakeCard(75, 0, 137);
    GameStatePublisher game;
    DrawRecord record;
    record.Create(75);
    game.OnGameReset(record);
    for (int row = 0; row < kCardSide; ++row) {  // the B column, through to its last number
        record.Append(card.cells[static_cast<std::size_t>(row)][0]);
        game.OnNumberDrawn(record);
    }
    record.Append(card.cells[0][1]);
    game.OnNumberDrawn(record);

    ScriptedMessageBoxes messages;
    QtCardCheckSection section(
        game, folder.Path(), entropy, [] { return ColorTriple{0, 180, 255}; },
        [](const CardVerdict&) { return true; }, messages);
    section.resize(400, 520);
    section.show();
    std::string typed = CardCodeText(card.code);
    typed.replace(5, 1, " ");
    QTest::keyClicks(&section.CodeField(), QString::fromStdString(typed).toLower());
    QTest::keyClick(&section.CodeField(), Qt::Key_Return);

    ASSERT_TRUE(section.Check().Last());
    EXPECT_EQ(section.Check().Last()->kind, CardVerdict::Kind::Bingo);
    bool sawVerdict = false;
    bool sawPicture = false;
    for (const QLabel* label : section.findChildren<QLabel*>()) {
        sawVerdict = sawVerdict || label->text().startsWith(QStringLiteral("ビンゴ！ 縦 B 列"));
        sawPicture = sawPicture || !label->pixmap().isNull();
    }
    EXPECT_TRUE(sawVerdict);
    EXPECT_TRUE(sawPicture);
    if (const char* folderForShots = std::getenv("PALVO_SCREENSHOT_DIR")) {
        section.grab().save(QString::fromUtf8(folderForShots) + QStringLiteral("/card-check.png"));
    }
}

}  // namespace
}  // namespace palvo
