#include "platform/win32/win32_panel_sections.h"

#include "cards/bingo_card.h"
#include "cards/card_command.h"
#include "draw/time_text.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_card_printer.h"
#include "platform/win32/win32_gdi.h"
#include "texts/japanese.h"
#include "web/web_service.h"

namespace palvo::win32 {
namespace {

enum ItemId : int {
    kCode = 201,
    kVerdict,
    kCount,
    kNumMax,
    kPrint,
    kWebOn,
    kWebAddress,
    kProof,
};

constexpr int kPictureWidth = 180;
constexpr int kPictureHeight = 200;
constexpr int kCheckBand = 228;
constexpr int kPrintBand = 70;
constexpr int kWebBand = 90;
constexpr int kDefaultCardCount = 40;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroup = kChild | BS_GROUPBOX;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

}  // namespace

Win32PanelSections::Win32PanelSections(Win32OperatorPanel& panel, const GameStatePublisher& game,
                                       const std::filesystem::path& settingsFolder, EntropySource& entropy,
                                       std::function<ColorTriple()> digitColour, HallProof hall,
                                       MessageBoxes& messages, WebService& web,
                                       std::function<void()> toggleWeb)
    : panel_(panel),
      game_(game),
      settingsFolder_(settingsFolder),
      entropy_(entropy),
      digitColour_(std::move(digitColour)),
      hall_(std::move(hall)),
      messages_(messages),
      web_(web),
      toggleWeb_(std::move(toggleWeb)),
      check_(*this, game, settingsFolder, entropy)
{
    // The code, the button that shows the card to the hall, the verdict; the card's picture beside.
    int top = panel_.AddBand(kCheckBand, *this);
    panel_.AddControl(0, L"BUTTON", texts::kCardCheckTitle, kGroup, 8, top, 364, kCheckBand - 6);
    panel_.AddControl(0, L"STATIC", texts::kPanelCardCode, kLabel, 20, top + 22, 160, 18);
    panel_.AddControl(kCode, L"EDIT", "", kEdit, 20, top + 42, 156, 24);
    panel_.AddControl(kProof, L"BUTTON", texts::kPanelCardProof, kChild | WS_TABSTOP | BS_PUSHBUTTON, 20,
                      top + 72, 156, 26);
    EnableWindow(Item(kProof), FALSE);  // until a code names a card
    panel_.AddControl(kVerdict, L"STATIC", "", kLabel, 20, top + 106, 156, kCheckBand - 120);
    pictureArea_ = RECT{184, top + 16, 184 + kPictureWidth, top + 16 + kPictureHeight};
    SendMessageW(Item(kCode), EM_SETLIMITTEXT, 32, 0);

    top = panel_.AddBand(kPrintBand, *this);
    panel_.AddControl(0, L"BUTTON", texts::kPanelCardPrintTitle, kGroup, 8, top, 364, kPrintBand - 6);
    panel_.AddControl(0, L"STATIC", texts::kPanelCardCount, kLabel, 20, top + 30, 40, 18);
    panel_.AddControl(kCount, L"EDIT", "", kEdit | ES_NUMBER, 62, top + 26, 60, 24);
    panel_.AddControl(0, L"STATIC", texts::kPanelCardNumMax, kLabel, 132, top + 30, 52, 18);
    panel_.AddControl(kNumMax, L"EDIT", "", kEdit | ES_NUMBER, 186, top + 26, 44, 24);
    panel_.AddControl(kPrint, L"BUTTON", texts::kPanelCardPrint, kChild | WS_TABSTOP | BS_PUSHBUTTON, 246,
                      top + 25, 114, 26);
    SendMessageW(Item(kCount), EM_SETLIMITTEXT, 5, 0);
    SendMessageW(Item(kNumMax), EM_SETLIMITTEXT, 2, 0);
    SetDlgItemInt(panel_.Window(), kCount, kDefaultCardCount, FALSE);
    SetDlgItemInt(panel_.Window(), kNumMax, static_cast<UINT>(game_.Snapshot()->numMax), FALSE);
    // The current game's highest number is the default whenever it changes.
    watch_ = game_.Watch([this](const std::shared_ptr<const GameState>& state) {
        SetDlgItemInt(panel_.Window(), kNumMax, static_cast<UINT>(state->numMax), FALSE);
    });

    top = panel_.AddBand(kWebBand, *this);
    panel_.AddControl(0, L"BUTTON", texts::kPanelWebTitle, kGroup, 8, top, 364, kWebBand - 6);
    panel_.AddControl(kWebOn, L"BUTTON", texts::kPanelWebOn, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 20,
                      top + 22, 340, 22);
    // Read-only but selectable: the operator copies the address from it.
    panel_.AddControl(kWebAddress, L"EDIT", "", kEdit | ES_READONLY, 20, top + 50, 340, 24);
    FollowWeb();
    web_.Watch([this] { FollowWeb(); });
}

Win32PanelSections::~Win32PanelSections()
{
    game_.Unwatch(watch_);
    panel_.RemoveBands(*this);
}

std::string Win32PanelSections::Text(int id) const
{
    wchar_t text[64] = {};
    GetWindowTextW(Item(id), text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

bool Win32PanelSections::OnCommand(int id, int code)
{
    if (id == IDOK && GetFocus() == Item(kCode)) {
        check_.Check(Text(kCode), LocalTimeText(), kPictureWidth, kPictureHeight, digitColour_());
        EnableWindow(Item(kProof), check_.CanShowHall() ? TRUE : FALSE);
        SendMessageW(Item(kCode), EM_SETSEL, 0, -1);  // the next code replaces this one
        return true;
    }
    if (id == kProof && code == BN_CLICKED) {
        const std::string_view problem = check_.ShowHall(hall_);
        if (!problem.empty()) {
            messages_.Show(problem, MessageStyle::Notice);
        }
        return true;
    }
    if (id == kPrint && code == BN_CLICKED) {
        Print();
        return true;
    }
    if (id == kWebOn && code == BN_CLICKED) {
        toggleWeb_();
        FollowWeb();  // a busy port leaves it off
        return true;
    }
    return false;
}

void Win32PanelSections::OnPaint(HDC target)
{
    if (picture_.Empty()) {
        FillWithColor(target, pictureArea_, SystemFaceColor());
        return;
    }
    const BITMAPINFO header = TopDownHeader(picture_.Width(), picture_.Height());
    SetDIBitsToDevice(target, pictureArea_.left, pictureArea_.top, static_cast<DWORD>(picture_.Width()),
                      static_cast<DWORD>(picture_.Height()), 0, 0, 0, static_cast<UINT>(picture_.Height()),
                      picture_.Data(), &header, DIB_RGB_COLORS);
}

bool Win32PanelSections::OnKey(const MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == 'K' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        SetFocus(Item(kCode));
        SendMessageW(Item(kCode), EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

void Win32PanelSections::ShowVerdict(const CardVerdict& /*verdict*/, const std::string& text,
                                     const PixelBuffer& picture)
{
    SetWindowTextW(Item(kVerdict), Widen(text).c_str());
    picture_ = picture;
    InvalidateRect(panel_.Window(), &pictureArea_, FALSE);
}

void Win32PanelSections::ShowProblem(std::string_view text)
{
    SetWindowTextW(Item(kVerdict), Widen(text).c_str());
    picture_ = PixelBuffer();
    InvalidateRect(panel_.Window(), &pictureArea_, TRUE);
}

void Win32PanelSections::Print()
{
    const std::optional<int> count = WholeNumber(Text(kCount));
    const std::optional<int> numMax = WholeNumber(Text(kNumMax));
    const CardPrintJob job = PrepareCardPrint(
        count.value_or(0), static_cast<std::int16_t>(numMax.value_or(0)), 0, settingsFolder_, entropy_);
    if (!job.problem.empty()) {
        messages_.Show(job.problem, MessageStyle::Warning);
        return;
    }
    Win32CardPrinter printer(panel_.Window());
    static_cast<void>(printer.Print(job.PageCount(), [&job](int page) { return job.Page(page); }));
}

void Win32PanelSections::FollowWeb()
{
    SendMessageW(Item(kWebOn), BM_SETCHECK, web_.IsOn() ? BST_CHECKED : BST_UNCHECKED, 0);
    SetWindowTextW(Item(kWebAddress), Widen(web_.IsOn() ? web_.Address() : texts::kPanelWebOff).c_str());
}

}  // namespace palvo::win32
