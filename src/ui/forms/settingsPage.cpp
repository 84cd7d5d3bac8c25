#include "ui/forms/settingsPage.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <vector>

#include "board/palette.h"
#include "ui/forms/numberField.h"
#include "ui/qtText.h"

namespace tk::ui {

namespace {

// Every number field of the four pages: the Settings member it edits and, for
// the four duration fields, the duration rule it goes through instead.
struct NumberRow {
  const char* name;
  IntRange range;
  int Settings::*member;
  std::optional<DurationField> duration;
};

const std::vector<NumberRow>& NumberRows() {
  static const std::vector<NumberRow> rows = {
      {"SpinEdit1", kMatchMinsRange, &Settings::MatchMins, DurationField::MatchMins},
      {"SpinEdit2", kMatchSecsRange, &Settings::MatchSecs, DurationField::MatchSecs},
      {"SpinEdit10", kGoldenMinsRange, &Settings::goldenMins, DurationField::GoldenMins},
      {"SpinEdit11", kGoldenSecsRange, &Settings::goldenSecs, DurationField::GoldenSecs},
      {"SpinEdit4", kHoldDownSecondsRange, &Settings::Yuko, std::nullopt},
      {"SpinEdit5", kHoldDownSecondsRange, &Settings::Wazari, std::nullopt},
      {"SpinEdit6", kHoldDownSecondsRange, &Settings::Ippon, std::nullopt},
      {"SpinEdit7", kEmergencyMinsRange, &Settings::emergencyMins, std::nullopt},
      {"SpinEdit8", kEmergencySecsRange, &Settings::emergencySecs, std::nullopt},
      {"SpinEdit3", kSecsToLeaveNewazaRange, &Settings::SecsToLeaveNewazaScore, std::nullopt},
      {"SpinEdit9", kSecsToLeaveLastMatchRange, &Settings::SecsToLeaveLastMatch, std::nullopt},
  };
  return rows;
}

enum class Editable { Yes, No };

struct CheckRow {
  const char* name;
  const char* caption;
  bool Settings::*member;
  Editable editable;
};

// CheckBox10 shows ResetLinkvisible but only the View menu changes it.
const std::vector<CheckRow>& CheckRows() {
  static const std::vector<CheckRow> rows = {
      {"CheckBox6", "Ippon - Wazari - Yuko  Labels visible", &Settings::scoreLabelsVisible,
       Editable::Yes},
      {"CheckBox7", "Ne Waza - wait for ref - do not allow clock to auto-award holddown points",
       &Settings::NeWazaWaitForRef, Editable::Yes},
      {"CheckBox11", "MONster / Kosen Rules apply", &Settings::MONsterKosenRules, Editable::Yes},
      {"CheckBox1", " Warn me before resetting if I click \"reset everything\"",
       &Settings::ResetWarning, Editable::Yes},
      {"CheckBox10",
       "I want the RESET ALL link and GOLDEN SCORE link visible on main screen like the old "
       "version.   ",
       &Settings::ResetLinkvisible, Editable::No},
      {"CheckBox5", "Show MouseOver Tooltips.", &Settings::toolTips, Editable::Yes},
  };
  return rows;
}

constexpr int kBottomBarHeight = 51;
constexpr int kContentWidth = 760;  // explanatory texts stay readable on wide screens
constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kYellow = 0xFFFF00;
constexpr std::uint32_t kPreviewClockStrip = 0x004400;
constexpr std::uint32_t kExplanationText = 0x404040;

QLabel* Caption(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// An explanatory text: word-wrapped, a little smaller, indented under what it explains.
QLabel* Explanation(const char* text, QWidget* parent) {
  QLabel* label = Caption(text, parent);
  label->setWordWrap(true);
  label->setContentsMargins(22, 0, 0, 6);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.92);
  label->setFont(font);
  SetTextColour(label, kExplanationText);
  return label;
}

QLabel* ColumnHeader(const char* text, QWidget* parent) {
  QLabel* label = Caption(text, parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  return label;
}

QFrame* Separator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QPushButton* Button(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

void SetTextQuietly(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  QSignalBlocker block(edit);
  edit->setText(text);
}

// A page scrolls when the window is smaller than it; its content keeps a
// readable width on wide screens.
QWidget* Scrolling(QWidget* content) {
  content->setMaximumWidth(kContentWidth);
  auto* holder = new QWidget;
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(12, 12, 12, 12);
  row->addWidget(content);
  row->addStretch(1);
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(holder);
  return scroll;
}

}  // namespace

struct SettingsPage::Impl {
  Impl(SettingsPage& page, Program& program) : page(page), program(program) {}

  SettingsPage& page;
  Program& program;
  HandlerGuard guard;
  QTabWidget* tabs = nullptr;
  // The Time, Appearance, Rules and Useability pages, in SettingsTab order.
  std::array<QWidget*, 4> scoreboardPages{};
  QPushButton* revert = nullptr;
  std::vector<std::pair<NumberField*, const NumberRow*>> numbers;
  std::vector<std::pair<QCheckBox*, const CheckRow*>> checks;
  QLineEdit* buzzerFile = nullptr;
  ClickLabel* schemeStrip = nullptr;
  QScrollBar* background = nullptr;
  QLabel* clockPreview = nullptr;

  void Run(const std::function<void()>& handler) { guard(handler); }

  // Runs a program call that may change Settings; the fields follow even when
  // it fails half-way (the buzzer may fall back to its default file first).
  void RunThenRefresh(const std::function<void()>& call) {
    Run([&] {
      try {
        call();
      } catch (...) {
        page.RefreshFromSettings();
        throw;
      }
      page.RefreshFromSettings();
    });
  }

  NumberField* Number(const char* name, QWidget* parent);
  QCheckBox* Check(const char* name, QWidget* parent);
  QPushButton* Action(const char* name, const char* caption, QWidget* parent,
                      std::function<void()> call);
  void NumberChanged(const NumberRow& row, int value);
  void RefreshPreviews();

  QWidget* BuildTimePage();
  QWidget* BuildAppearancePage();
  QWidget* BuildRulesPage();
  QWidget* BuildUseabilityPage();
  QWidget* BuildBuzzerSection(QWidget* parent);
  QWidget* BuildSchemeSection(QWidget* parent);
  QWidget* BuildBackgroundSection(QWidget* parent);
  QWidget* BuildBottomBar();
};

NumberField* SettingsPage::Impl::Number(const char* name, QWidget* parent) {
  const NumberRow* row = nullptr;
  for (const NumberRow& s : NumberRows())
    if (QLatin1String(s.name) == QLatin1String(name)) row = &s;
  auto* field = new NumberField(row->range, parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMinimumWidth(64);
  numbers.emplace_back(field, row);
  QObject::connect(field, &QSpinBox::valueChanged, &page,
                   [this, row](int value) { Run([&] { NumberChanged(*row, value); }); });
  return field;
}

void SettingsPage::Impl::NumberChanged(const NumberRow& row, int value) {
  if (row.duration) {
    // The duration rule may reset the clock and rewrite the golden-score
    // fields; the page shows what it produced at once.
    program.SetDurationField(*row.duration, value);
    page.RefreshFromSettings();
    return;
  }
  program.GetSettings().*row.member = value;
}

QCheckBox* SettingsPage::Impl::Check(const char* name, QWidget* parent) {
  const CheckRow* row = nullptr;
  for (const CheckRow& s : CheckRows())
    if (QLatin1String(s.name) == QLatin1String(name)) row = &s;
  auto* box = new QCheckBox(QString::fromLatin1(row->caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEnabled(row->editable == Editable::Yes);
  checks.emplace_back(box, row);
  QObject::connect(box, &QCheckBox::toggled, &page,
                   [this, row](bool on) { Run([&] { program.GetSettings().*row->member = on; }); });
  return box;
}

QPushButton* SettingsPage::Impl::Action(const char* name, const char* caption, QWidget* parent,
                                        std::function<void()> call) {
  QPushButton* button = Button(name, caption, parent);
  QObject::connect(button, &QPushButton::clicked, &page,
                   [this, call = std::move(call)] { RunThenRefresh(call); });
  return button;
}

void SettingsPage::Impl::RefreshPreviews() {
  Paint(schemeStrip, RgbFromColourValue(program.PreviewScheme()), kWhite);
  {
    QSignalBlocker block(background);
    background->setValue(program.ClockBackgroundLevel());
  }
  Paint(clockPreview, program.ClockBackgroundColour(), kYellow);
}

QWidget* SettingsPage::Impl::BuildTimePage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(6);
  int row = 0;
  grid->addWidget(ColumnHeader("Minutes", page), row, 1);
  grid->addWidget(ColumnHeader("Seconds", page), row, 2);
  ++row;
  grid->addWidget(Caption("Default Match Duration", page), row, 0);
  grid->addWidget(Number("SpinEdit1", page), row, 1);
  grid->addWidget(Number("SpinEdit2", page), row, 2);
  ++row;
  grid->addWidget(Caption("Golden Score Duration", page), row, 0);
  grid->addWidget(Number("SpinEdit10", page), row, 1);
  grid->addWidget(Number("SpinEdit11", page), row, 2);
  ++row;
  grid->addWidget(Separator(page), row++, 0, 1, 5);

  grid->addWidget(ColumnHeader("Yuko", page), row, 1);
  grid->addWidget(ColumnHeader("Wazari", page), row, 2);
  grid->addWidget(ColumnHeader("Ippon", page), row, 3);
  ++row;
  grid->addWidget(Caption("NeWaza Scoring  (seconds) . . .", page), row, 0);
  grid->addWidget(Number("SpinEdit4", page), row, 1);
  grid->addWidget(Number("SpinEdit5", page), row, 2);
  grid->addWidget(Number("SpinEdit6", page), row, 3);
  ++row;
  grid->addWidget(Separator(page), row++, 0, 1, 5);

  grid->addWidget(ColumnHeader("Min", page), row, 1);
  grid->addWidget(ColumnHeader("Sec", page), row, 2);
  ++row;
  QLabel* emergency = Caption("Emergency Manual Clock Adjust", page);
  QFont bold = emergency->font();
  bold.setBold(true);
  emergency->setFont(bold);
  SetTextColour(emergency, 0xFF0000);
  grid->addWidget(emergency, row, 0);
  grid->addWidget(Number("SpinEdit7", page), row, 1);
  grid->addWidget(Number("SpinEdit8", page), row, 2);
  grid->addWidget(Action("SpeedButton13", "Go ! !     Do it right now !", page,
                         [this] { program.EmergencyClockSet(); }),
                  row, 3, 1, 2);
  ++row;
  grid->addWidget(Explanation("Special circumstance - set stop watch to a specific \"time "
                              "remaining\" after power failure or other mishap  mid-match",
                              page),
                  row++, 0, 1, 5);
  grid->addWidget(Explanation("Set minutes and seconds remaining - click the GO button  for "
                              "immediate return to scoring screen.   Then hit HAJIME",
                              page),
                  row++, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(row, 1);
  return page;
}

QWidget* SettingsPage::Impl::BuildBuzzerSection(QWidget* parent) {
  auto* section = new QWidget(parent);
  auto* grid = new QGridLayout(section);
  grid->setContentsMargins(0, 0, 0, 0);
  QLabel* title = Caption("Buzzer sound file", section);
  title->setObjectName("Label38");
  grid->addWidget(title, 0, 0);
  buzzerFile = new QLineEdit(section);
  buzzerFile->setObjectName("Edit7");
  QObject::connect(buzzerFile, &QLineEdit::textEdited, &page, [this](const QString& text) {
    Run([&] { program.GetSettings().MajorSound = FromQString(text); });
  });
  grid->addWidget(buzzerFile, 1, 0);
  QPushButton* browse =
      Action("SpeedButton20", "Browse", section, [this] { program.BrowseBuzzerFile(); });
  browse->setToolTip("Browse for a WAV audio file");
  grid->addWidget(browse, 1, 1);
  QPushButton* test =
      Action("SpeedButton26", "Test the buzzer", section, [this] { program.TestBuzzer(); });
  test->setToolTip("Test sound clip");
  test->setIcon(test->style()->standardIcon(QStyle::SP_MediaVolume));
  grid->addWidget(test, 1, 2);
  QLabel* wavOnly = Caption("( must be a WAV sound file )", section);
  wavOnly->setObjectName("Label92");
  grid->addWidget(wavOnly, 2, 0);
  QLabel* where = Explanation(
      "There is a wide selection of WAV sound files provided by default in most Windows "
      "systems.  Check in the WINDOWS / MEDIA folders for more - or collect your own.  ",
      section);
  where->setObjectName("Label93");
  grid->addWidget(where, 3, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  return section;
}

// The scheme preview: white (White's half) with Blue's strip on top in the
// scheme colour and a small clock strip below. A click anywhere toggles.
QWidget* SettingsPage::Impl::BuildSchemeSection(QWidget* parent) {
  auto* section = new QWidget(parent);
  auto* row = new QHBoxLayout(section);
  row->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(Caption("Colour Scheme . . .", section));
  QPushButton* blue =
      Action("SpeedButton3", "Blue  ( IJF )", section, [this] { program.SetSchemeBlue(); });
  QPushButton* red =
      Action("SpeedButton8", "Red  (Traditional )", section, [this] { program.SetSchemeRed(); });
  for (auto [button, colour] : {std::pair{blue, 0x0000FFu}, std::pair{red, 0xFF0000u}}) {
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    SetTextColour(button, colour);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  row->addLayout(buttons);

  auto* preview = new ClickLabel("0 0 0", section);
  preview->setObjectName("Panel20");
  preview->setFixedSize(108, 69);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFont(PixelFont("Arial", 16, true));
  preview->setFrameShape(QFrame::Box);
  Paint(preview, kWhite, kBlack);
  schemeStrip = new ClickLabel("0 0 0", preview);
  schemeStrip->setObjectName("Panel21");
  schemeStrip->setGeometry(0, 0, 108, 22);
  auto* clockStrip = new ClickLabel("     5:00  oo", preview);
  clockStrip->setObjectName("Panel40");
  clockStrip->setGeometry(0, 69 - 22, 108, 22);
  clockStrip->setFont(PixelFont("Arial", 13, true));
  Paint(clockStrip, kPreviewClockStrip, kYellow);
  schemeStrip->setFont(PixelFont("Arial", 16, true));
  for (ClickLabel* part : {preview, schemeStrip, clockStrip}) {
    part->setAlignment(part == clockStrip ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    part->onClick = [this] {
      Run([&] {
        program.ToggleSchemePreview();
        RefreshPreviews();
      });
    };
  }
  row->addWidget(preview, 0, Qt::AlignTop);

  row->addWidget(
      Explanation("Blue and white colour scheme is common in many  IJF affiliated or Olympic "
                  "inspired events  --  Red and white is  traditional and still preferred in "
                  "many countries  whose tournaments  comply with the original  Kodokan and "
                  "\"All Japan\" style tournaments.",
                  section),
      1);
  return section;
}

QWidget* SettingsPage::Impl::BuildBackgroundSection(QWidget* parent) {
  auto* section = new QWidget(parent);
  auto* row = new QHBoxLayout(section);
  row->setContentsMargins(0, 0, 0, 0);
  auto* barColumn = new QVBoxLayout;
  barColumn->addWidget(Caption("Clock Panel Background . . .", section));
  auto* barRow = new QHBoxLayout;
  barRow->addWidget(Caption("Black", section));
  background = new QScrollBar(Qt::Horizontal, section);
  background->setObjectName("ScrollBar3");
  background->setRange(1, 75);
  background->setMinimumWidth(200);
  QObject::connect(background, &QScrollBar::valueChanged, &page, [this](int level) {
    Run([&] {
      program.SetClockBackground(level);
      RefreshPreviews();
    });
  });
  barRow->addWidget(background, 1);
  barRow->addWidget(Caption("Green", section));
  barColumn->addLayout(barRow);
  barColumn->addStretch(1);
  row->addLayout(barColumn);

  clockPreview = new QLabel("4:30", section);
  clockPreview->setObjectName("Panel36");
  clockPreview->setFixedSize(175, 46);
  clockPreview->setAlignment(Qt::AlignCenter);
  clockPreview->setFont(PixelFont("Stencil", 37, false));
  row->addWidget(clockPreview, 0, Qt::AlignTop);
  row->addWidget(Explanation("Adjust according to best balance between visual impact and "
                             "prevailing lighting conditions",
                             section),
                 1);
  return section;
}

QWidget* SettingsPage::Impl::BuildAppearancePage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setSpacing(8);
  column->addWidget(BuildBuzzerSection(page));
  column->addWidget(Separator(page));
  column->addWidget(BuildSchemeSection(page));
  column->addWidget(Separator(page));
  column->addWidget(BuildBackgroundSection(page));
  column->addWidget(Separator(page));
  column->addWidget(Check("CheckBox6", page));
  column->addWidget(
      Explanation("These are the I  W  Y  labels above the scores - gain a little "
                  "space for maximum score visibility by hiding these labels.  ",
                  page));
  column->addStretch(1);
  return page;
}

QWidget* SettingsPage::Impl::BuildRulesPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setSpacing(8);
  column->addWidget(Check("CheckBox7", page));
  column->addWidget(Explanation(
      "Some referees prefer that the scoreboard does NOT make presumptions about points earned  "
      "by the player with  the holddown - untick this box if the current ref prefers to "
      "explicitly award points manually.  ",
      page));
  column->addWidget(Check("CheckBox11", page));
  column->addWidget(Explanation(
      "Allows for several wazaris and ippons, giving very young players (or Kosen Judo and "
      "BJJ-grapplers) a full duration match regardless of how many clean throws are made.    "
      "Full duration matches no matter what - or at ref`s discretion.. ",
      page));
  auto* row = new QHBoxLayout;
  row->addWidget(Caption("Seconds to leave Osaekomi clock value on display after  TOKETA", page));
  row->addWidget(Number("SpinEdit3", page));
  row->addStretch(1);
  column->addLayout(row);
  column->addWidget(
      Explanation("Suggest 8 to 10 seconds for referee to check correct scoring.", page));
  column->addStretch(1);
  return page;
}

QWidget* SettingsPage::Impl::BuildUseabilityPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setSpacing(8);
  column->addWidget(Check("CheckBox1", page));
  column->addWidget(
      Explanation("Switch on if you are fearful of resetting ALL by mistake.  "
                  "Switch off if you prefer the more streamlined \"instant death\" "
                  "mode.  ",
                  page));
  column->addWidget(Check("CheckBox10", page));
  QLabel* linkText = Explanation(
      "Switch ON if you prefer using a mouse, switch OFF if you want a less cluttered screen and "
      "tend to use keyboard shortcuts",
      page);
  linkText->setEnabled(false);
  column->addWidget(linkText);
  column->addWidget(Check("CheckBox5", page));
  column->addWidget(Explanation(
      "These tool tips are useful while you are learning but a distraction once you are a  "
      "\"top gun\" operator..  Switch them off once you are familiar with the controls.",
      page));
  auto* row = new QHBoxLayout;
  row->addWidget(
      Caption("Seconds to display previous match outcome  after next match commences.", page));
  row->addWidget(Number("SpinEdit9", page));
  row->addStretch(1);
  column->addLayout(row);
  column->addWidget(Explanation(
      "This feature allows next match to proceed at the same time as table officials record "
      "previous match results.    Traditionally this has been a cause of delay in  getting the "
      "next match underway.",
      page));
  column->addWidget(
      Explanation("These results are displayed in a narrow bar at the bottom of "
                  "the screen and can be toggled off or on at any time by "
                  "pressing Ctrl+Z",
                  page));
  column->addStretch(1);
  return page;
}

QWidget* SettingsPage::Impl::BuildBottomBar() {
  auto* bar = new QFrame(&page);
  bar->setFixedHeight(kBottomBarHeight);
  bar->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(8, 6, 8, 6);
  row->addStretch(1);
  revert = Action("SpeedButton19", "Discard your preferences and revert to defaults", bar,
                  [this] { program.RevertToDefaults(); });
  row->addWidget(revert);
  QPushButton* ok = Action("BitBtn2", "Ok", bar, [this] { program.ApplySettings(); });
  ok->setIcon(ok->style()->standardIcon(QStyle::SP_DialogOkButton));
  QPushButton* cancel = Action("BitBtn5", "Cancel", bar, [this] { program.CancelSettings(); });
  cancel->setIcon(cancel->style()->standardIcon(QStyle::SP_DialogCancelButton));
  for (QPushButton* button : {ok, cancel}) {
    button->setMinimumWidth(90);
    row->addWidget(button);
  }
  return bar;
}

SettingsPage::SettingsPage(Program& program, QWidget* parent)
    : QWidget(parent), impl_(std::make_unique<Impl>(*this, program)) {
  impl_->guard = MessageBoxGuard(this);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  impl_->tabs = new QTabWidget(this);
  impl_->tabs->setObjectName("SettingsTabs");
  QTabBar* tabBar = impl_->tabs->tabBar();
  tabBar->setFont(PixelFont("Arial", 13, true));
  tabBar->setExpanding(false);
  tabBar->setElideMode(Qt::ElideNone);
  tabBar->setAttribute(Qt::WA_Hover);
  const std::array<std::pair<QWidget*, const char*>, 4> pages = {{
      {impl_->BuildTimePage(), "  Time Settings  "},
      {impl_->BuildAppearancePage(), "  Appearance and Sounds  "},
      {impl_->BuildRulesPage(), "  Rules and Refereeing  "},
      {impl_->BuildUseabilityPage(), "  Useability  "},
  }};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    QWidget* scroll = Scrolling(pages[i].first);
    impl_->scoreboardPages[i] = scroll;
    impl_->tabs->addTab(scroll, QString::fromLatin1(pages[i].second));
  }
  column->addWidget(impl_->tabs, 1);
  column->addWidget(impl_->BuildBottomBar());
  RefreshFromSettings();
}

SettingsPage::~SettingsPage() = default;

void SettingsPage::SetGuard(HandlerGuard guard) {
  impl_->guard = std::move(guard);
}

void SettingsPage::RefreshFromSettings() {
  const Settings& settings = impl_->program.GetSettings();
  for (auto& [field, row] : impl_->numbers) {
    // A field already holding the value keeps its text: the operator may be
    // typing in it.
    const int value = row->range.Clamp(settings.*row->member);
    if (field->value() == value) continue;
    QSignalBlocker block(field);
    field->setValue(value);
  }
  for (auto& [box, row] : impl_->checks) {
    QSignalBlocker block(box);
    box->setChecked(settings.*row->member);
  }
  SetTextQuietly(impl_->buzzerFile, ToQString(settings.MajorSound));
  impl_->RefreshPreviews();
}

void SettingsPage::SelectTab(SettingsTab tab) {
  const auto index = static_cast<std::size_t>(tab);
  if (index >= impl_->scoreboardPages.size()) return;  // those pages are not built
  const int at = impl_->tabs->indexOf(impl_->scoreboardPages[index]);
  if (at >= 0) impl_->tabs->setCurrentIndex(at);
}

void SettingsPage::HideScoreboardSettings() {
  for (QWidget* page : impl_->scoreboardPages) {
    const int at = impl_->tabs->indexOf(page);
    if (at >= 0) impl_->tabs->removeTab(at);
  }
  impl_->revert->hide();
}

void SettingsPage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      impl_->Run([&] { impl_->program.ApplySettings(); });
      break;
    case Qt::Key_Escape:
      impl_->Run([&] { impl_->program.CancelSettings(); });
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SettingsPage::showEvent(QShowEvent* event) {
  RefreshFromSettings();
  QWidget::showEvent(event);
}

// ---- Help page --------------------------------------------------------------

namespace {

// Lines arrive joined with CR LF or LF; the text area wants LF.
QString DisplayLines(const std::string& text) {
  QString lines = ToQString(text);
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return lines;
}

bool IsEnter(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QHBoxLayout* OkRow(QPushButton* ok) {
  ok->setIcon(ok->style()->standardIcon(QStyle::SP_DialogOkButton));
  ok->setMinimumWidth(90);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  return row;
}

}  // namespace

HelpPage::HelpPage(Program& program, QWidget* parent)
    : QWidget(parent), program_(program), guard_(MessageBoxGuard(this)) {
  auto* column = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("HelpText");
  text_->setReadOnly(true);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // The read-me text lines its columns up with blanks.
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  column->addWidget(text_, 1);
  QPushButton* ok = Button("BitBtn3", "Ok", this);
  connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
  column->addLayout(OkRow(ok));
}

void HelpPage::SetText(const std::string& text) {
  text_->setPlainText(DisplayLines(text));
}

void HelpPage::Ok() {
  guard_([this] { program_.HelpOk(); });
}

void HelpPage::keyPressEvent(QKeyEvent* event) {
  if (!IsEnter(event)) return QWidget::keyPressEvent(event);
  Ok();
  event->accept();
}

// ---- Log page ---------------------------------------------------------------

LogPage::LogPage(Program& program, QWidget* parent)
    : QWidget(parent), program_(program), guard_(MessageBoxGuard(this)) {
  auto* column = new QVBoxLayout(this);
  auto* header = new QHBoxLayout;
  QLabel* title = Caption("Log File: ", this);
  title->setObjectName("Label27");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  header->addWidget(title);
  path_ = Caption("logfile.txt", this);
  path_->setObjectName("Label51");
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  header->addWidget(path_, 1);
  column->addLayout(header);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName("Memo2");
  QFont small(QStringLiteral("Arial"));
  small.setPointSize(8);
  text_->setFont(small);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  column->addWidget(text_, 1);

  QLabel* note = Caption(
      "Log files are standard TEXT files and accumulate in the tavelkorn  program folder - you "
      "should occasionally clean out old log files.  Note the filename at top of page to help "
      "locate these files.",
      this);
  note->setObjectName("Label55");
  note->setWordWrap(true);
  column->addWidget(note);

  QPushButton* ok = Button("BitBtn4", "Ok", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
  column->addLayout(OkRow(ok));
}

void LogPage::SetLog(const std::string& label, const std::string& text) {
  path_->setText(ToQString(label));
  text_->setPlainText(DisplayLines(text));
}

void LogPage::Ok() {
  guard_([this] { program_.HelpOk(); });
}

// Enter in the text area makes a new line there; elsewhere it is "Ok".
void LogPage::keyPressEvent(QKeyEvent* event) {
  if (!IsEnter(event)) return QWidget::keyPressEvent(event);
  Ok();
  event->accept();
}

}  // namespace tk::ui
