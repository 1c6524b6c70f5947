#include "platform/qt/qt_operator_panel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/auto_caller.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_fonts.h"
#include "texts/japanese.h"

namespace palvo {
namespace {

constexpr int kTickMilliseconds = 250;
constexpr int kGapToOwner = 8;

QString Text(std::string_view text)
{
    return ToQString(text);
}

}  // namespace

void AddPanelKey(QWidget& window, std::function<void()> toggle)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F2), &window);
    key->setContext(Qt::WindowShortcut);
    key->setAutoRepeat(false);
    QObject::connect(key, &QShortcut::activated, &window, std::move(toggle));
}

const QString& QtOperatorPanel::Title()
{
    static const QString title = Text(texts::kPanelTitle);
    return title;
}

QtOperatorPanel::QtOperatorPanel(QWidget& owner) : QWidget(&owner, Qt::Window), owner_(owner)
{
    setObjectName(QStringLiteral("frmPanel"));
    setWindowTitle(Title());
    setFont(PointFont(FontChoice{}));

    auto* column = new QVBoxLayout(this);
    sections_ = new QVBoxLayout();
    column->addLayout(sections_);

    auto* entry = new QGroupBox(Text(texts::kPanelManualEntry));
    auto* entryRow = new QHBoxLayout(entry);
    auto* numberLabel = new QLabel(Text(texts::kPanelNumberLabel));
    number_ = new QLineEdit();
    number_->setObjectName(QStringLiteral("txtNumber"));
    number_->setMaxLength(8);
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    numberLabel->setBuddy(number_);
    show_ = new QPushButton(Text(texts::kPanelShow));
    show_->setObjectName(QStringLiteral("cmdShow"));
    withRoll_ = new QCheckBox(Text(texts::kPanelWithRoll));
    withRoll_->setObjectName(QStringLiteral("chkWithRoll"));
    entryRow->addWidget(numberLabel);
    entryRow->addWidget(number_);
    entryRow->addWidget(show_);
    entryRow->addWidget(withRoll_);
    entryRow->addStretch();
    sections_->addWidget(entry);

    auto* takeBackBox = new QGroupBox(Text(texts::kPanelTakeBackGroup));
    auto* takeBackRow = new QHBoxLayout(takeBackBox);
    takeBack_ = new QPushButton(Text(texts::kPanelTakeBack) + QStringLiteral("  Ctrl+Z"));
    takeBack_->setObjectName(QStringLiteral("cmdTakeBack"));
    takeBackRow->addWidget(takeBack_);
    takeBackRow->addStretch();
    sections_->addWidget(takeBackBox);

    auto* autoBox = new QGroupBox(Text(texts::kPanelAutoGroup));
    auto* autoGrid = new QVBoxLayout(autoBox);
    auto* autoRow = new QHBoxLayout();
    auto_ = new QCheckBox(Text(texts::kPanelAuto));
    auto_->setObjectName(QStringLiteral("chkAuto"));
    auto* intervalLabel = new QLabel(Text(texts::kPanelInterval));
    interval_ = new QSpinBox();
    interval_->setObjectName(QStringLiteral("spnInterval"));
    interval_->setRange(AutoCaller::kShortestSeconds, AutoCaller::kLongestSeconds);
    intervalLabel->setBuddy(interval_);
    autoRow->addWidget(auto_);
    autoRow->addSpacing(12);
    autoRow->addWidget(intervalLabel);
    autoRow->addWidget(interval_);
    autoRow->addStretch();
    countdown_ = new QLabel();
    countdown_->setObjectName(QStringLiteral("lblCountdown"));
    autoGrid->addLayout(autoRow);
    autoGrid->addWidget(countdown_);
    sections_->addWidget(autoBox);

    message_ = new QLabel();
    message_->setObjectName(QStringLiteral("lblMessage"));
    message_->setWordWrap(true);
    // Two lines are kept free so that the window does not jump with each message.
    message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing());
    column->addWidget(message_);
    auto* closeRow = new QHBoxLayout();
    auto* close = new QPushButton(Text(texts::kPanelClose));
    close->setObjectName(QStringLiteral("cmdClose"));
    closeRow->addStretch();
    closeRow->addWidget(close);
    column->addLayout(closeRow);

    connect(number_, &QLineEdit::returnPressed, this, [this] { Report(&OperatorPanelEvents::OnPanelShow); });
    connect(show_, &QPushButton::clicked, this, [this] { Report(&OperatorPanelEvents::OnPanelShow); });
    connect(takeBack_, &QPushButton::clicked, this,
            [this] { Report(&OperatorPanelEvents::OnPanelTakeBack); });
    connect(auto_, &QCheckBox::clicked, this, [this] { Report(&OperatorPanelEvents::OnPanelAutoToggled); });
    connect(interval_, &QSpinBox::valueChanged, this,
            [this] { Report(&OperatorPanelEvents::OnPanelIntervalChanged); });
    connect(close, &QPushButton::clicked, this,
            [this] { Report(&OperatorPanelEvents::OnPanelCloseRequest); });

    const struct {
        QKeySequence keys;
        void (OperatorPanelEvents::*call)();
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), &OperatorPanelEvents::OnPanelTakeBack},
        {QKeySequence(Qt::Key_PageDown), &OperatorPanelEvents::OnPanelStartKey},
        {QKeySequence(Qt::Key_F2), &OperatorPanelEvents::OnPanelCloseRequest},
    };
    for (const auto& shortcut : shortcuts) {
        auto* key = new QShortcut(shortcut.keys, this);
        key->setContext(Qt::WindowShortcut);
        key->setAutoRepeat(false);
        connect(key, &QShortcut::activated, this, [this, call = shortcut.call] { Report(call); });
    }
    // The field's own undo and the spin box's paging would otherwise take these keys first.
    number_->installEventFilter(this);
    interval_->installEventFilter(this);
    owner_.installEventFilter(this);

    tick_ = new QTimer(this);
    tick_->setInterval(kTickMilliseconds);
    connect(tick_, &QTimer::timeout, this, [this] { Report(&OperatorPanelEvents::OnPanelTick); });
}

QtOperatorPanel::~QtOperatorPanel()
{
    tick_->stop();
    events_ = nullptr;
}

void QtOperatorPanel::AddSection(QWidget* section)
{
    sections_->addWidget(section);
}

bool QtOperatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A window of its own is not hidden with its parent: when the operator's window closes (not
    // when it is merely minimised) the panel closes too, keeping its place, or the program would
    // go on running with only the panel on screen.
    if (watched == &owner_ && event->type() == QEvent::Hide && !owner_.isVisible() && open_) {
        Report(&OperatorPanelEvents::OnPanelCloseRequest);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeyCombination pressed = key->keyCombination();
        if (pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
            pressed == QKeyCombination(Qt::NoModifier, Qt::Key_PageDown)) {
            return true;  // left unaccepted: the window's shortcut gets the key
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QtOperatorPanel::closeEvent(QCloseEvent* event)
{
    if (closing_ || events_ == nullptr) {
        event->accept();
        return;
    }
    // The close box: the panel's logic keeps its place and choices, then closes it.
    event->ignore();
    Report(&OperatorPanelEvents::OnPanelCloseRequest);
}

void QtOperatorPanel::Open(std::optional<PanelPlace> place)
{
    adjustSize();
    const QRect owner = owner_.frameGeometry();
    QPoint at = place ? QPoint(place->x, place->y) : QPoint(owner.right() + 1 + kGapToOwner, owner.top());
    // Wholly on the screen it lands on (or the owner's): a place saved on a screen no longer
    // there must not hide the panel.
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) {
        screen = owner_.screen();
    }
    if (screen != nullptr) {
        const QRect work = screen->availableGeometry();
        const QSize size = frameGeometry().size().expandedTo(sizeHint());
        if (!place && at.x() + size.width() > work.right()) {
            // No room right of the operator's window: left of it, then wherever it fits.
            at.setX(owner.left() - kGapToOwner - size.width());
        }
        at.setX(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() - size.width())));
        at.setY(std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() - size.height())));
    }
    move(at);
    open_ = true;
    show();
    raise();
    activateWindow();
    tick_->start();
}

void QtOperatorPanel::Close()
{
    open_ = false;
    tick_->stop();
    closing_ = true;
    close();
    closing_ = false;
}

std::optional<PanelPlace> QtOperatorPanel::Place() const
{
    if (!open_) {
        return std::nullopt;
    }
    return PanelPlace{pos().x(), pos().y()};
}

std::string QtOperatorPanel::NumberText() const
{
    return number_->text().toStdString();
}

void QtOperatorPanel::SetNumberText(std::string_view text)
{
    number_->setText(Text(text));
}

void QtOperatorPanel::FocusNumber()
{
    activateWindow();
    number_->setFocus(Qt::OtherFocusReason);
    number_->selectAll();
}

bool QtOperatorPanel::IsChecked(PanelCheck box) const
{
    return (box == PanelCheck::Auto ? auto_ : withRoll_)->isChecked();
}

void QtOperatorPanel::SetChecked(PanelCheck box, bool checked)
{
    (box == PanelCheck::Auto ? auto_ : withRoll_)->setChecked(checked);
}

std::int32_t QtOperatorPanel::Interval() const
{
    return interval_->value();
}

void QtOperatorPanel::SetInterval(std::int32_t seconds)
{
    const QSignalBlocker quiet(interval_);
    interval_->setValue(seconds);
}

void QtOperatorPanel::SetTakeBackEnabled(bool enabled)
{
    takeBack_->setEnabled(enabled);
}

void QtOperatorPanel::SetMessage(std::string_view text)
{
    message_->setText(Text(text));
}

void QtOperatorPanel::SetCountdown(std::string_view text)
{
    countdown_->setText(Text(text));
}

}  // namespace palvo
