#include "platform/qt/qt_panel_sections.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cards/bingo_card.h"
#include "cards/card_command.h"
#include "draw/game_state.h"
#include "platform/qt/qt_card_check_section.h"
#include "platform/qt/qt_card_printer.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_operator_panel.h"
#include "texts/japanese.h"
#include "web/web_service.h"

namespace palvo {

namespace {

constexpr int kDefaultCardCount = 40;

QGroupBox* CardCheckGroup(QtOperatorPanel& panel, const GameStatePublisher& game,
                          const std::filesystem::path& settingsFolder, EntropySource& entropy,
                          std::function<ColorTriple()> digitColour, HallProof hall, MessageBoxes& messages)
{
    auto* group = new QGroupBox(ToQString(texts::kCardCheckTitle));
    auto* layout = new QVBoxLayout(group);
    auto* section = new QtCardCheckSection(game, settingsFolder, entropy, std::move(digitColour),
                                           std::move(hall), messages, group);
    layout->addWidget(section);
    section->CodeField().setObjectName(QStringLiteral("txtCardCode"));
    auto* focusCode = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_K), &panel);
    focusCode->setContext(Qt::WindowShortcut);
    QObject::connect(focusCode, &QShortcut::activated, section, [section] {
        section->CodeField().setFocus(Qt::ShortcutFocusReason);
        section->CodeField().selectAll();
    });
    return group;
}

QGroupBox* CardPrintGroup(QtOperatorPanel& panel, const GameStatePublisher& game,
                          const std::filesystem::path& settingsFolder, EntropySource& entropy,
                          MessageBoxes& messages)
{
    auto* group = new QGroupBox(ToQString(texts::kPanelCardPrintTitle));
    auto* layout = new QFormLayout(group);
    auto* count = new QSpinBox(group);
    count->setObjectName(QStringLiteral("spnCardCount"));
    count->setRange(1, CardCode::kSerials);
    count->setValue(kDefaultCardCount);
    layout->addRow(ToQString(texts::kPanelCardCount), count);
    auto* numMax = new QSpinBox(group);
    numMax->setObjectName(QStringLiteral("spnCardNumMax"));
    // Below 25 is offered too, so the operator reads why there are no cards for such a game.
    numMax->setRange(1, kHighestCardNumMax);
    numMax->setValue(game.Snapshot()->numMax);
    layout->addRow(ToQString(texts::kPanelCardNumMax), numMax);
    // The current game's highest number is the default whenever it changes.
    const std::size_t watch = game.Watch([numMax](const std::shared_ptr<const GameState>& state) {
        if (numMax->value() != state->numMax) {
            numMax->setValue(state->numMax);
        }
    });
    QObject::connect(numMax, &QObject::destroyed, [&game, watch] { game.Unwatch(watch); });
    auto* print = new QPushButton(ToQString(texts::kPanelCardPrint), group);
    print->setObjectName(QStringLiteral("cmdCardPrint"));
    layout->addRow(print);
    QObject::connect(
        print, &QPushButton::clicked, &panel, [&panel, &entropy, &messages, settingsFolder, count, numMax] {
            const CardPrintJob job = PrepareCardPrint(
                count->value(), static_cast<std::int16_t>(numMax->value()), 0, settingsFolder, entropy);
            if (!job.problem.empty()) {
                messages.Show(job.problem, MessageStyle::Warning);
                return;
            }
            QtCardPrinter printer(&panel);
            static_cast<void>(printer.Print(job.PageCount(), [&job](int page) { return job.Page(page); }));
        });
    return group;
}

QGroupBox* WebGroup(WebService& web, std::function<void()> toggleWeb)
{
    auto* group = new QGroupBox(ToQString(texts::kPanelWebTitle));
    auto* layout = new QVBoxLayout(group);
    auto* on = new QCheckBox(ToQString(texts::kPanelWebOn), group);
    on->setObjectName(QStringLiteral("chkWeb"));
    layout->addWidget(on);
    auto* address = new QLabel(group);
    address->setObjectName(QStringLiteral("lblWebAddress"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    address->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(address);
    const auto follow = [&web, on, address] {
        on->setChecked(web.IsOn());
        address->setText(web.IsOn() ? ToQString(web.Address()) : ToQString(texts::kPanelWebOff));
    };
    follow();
    web.Watch(follow);
    // A click asks as F6 does; the box then shows what the service really is (a port may be busy).
    QObject::connect(on, &QCheckBox::clicked, group, [toggleWeb = std::move(toggleWeb), follow] {
        toggleWeb();
        follow();
    });
    return group;
}

}  // namespace

void AddPanelSections(QtOperatorPanel& panel, const GameStatePublisher& game,
                      const std::filesystem::path& settingsFolder, EntropySource& entropy,
                      std::function<ColorTriple()> digitColour, HallProof hall, MessageBoxes& messages,
                      WebService& web, std::function<void()> toggleWeb)
{
    panel.AddSection(
        CardCheckGroup(panel, game, settingsFolder, entropy, std::move(digitColour), std::move(hall), messages));
    panel.AddSection(CardPrintGroup(panel, game, settingsFolder, entropy, messages));
    panel.AddSection(WebGroup(web, std::move(toggleWeb)));
}

}  // namespace palvo
