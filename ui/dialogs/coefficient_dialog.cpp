#include "ui/dialogs/coefficient_dialog.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "core/records/file_io.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/unsaved_work.h"
#include "ui/platform/window_place.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

// The window's outer size is 459 x 413; this is its client area inside a common window frame.
constexpr int kClientWidth = 451;
constexpr int kClientHeight = 386;
constexpr int kFontPixels = 12;

constexpr int kGroupX = 16;
constexpr int kGroupWidth = 417;
constexpr std::array<int, 2> kGroupTop{16, 160};
constexpr std::array<int, 2> kGroupHeight{129, 153};
constexpr int kButtonTop = 328;
constexpr int kButtonHeight = 25;

// Inside a group box.
constexpr int kFirstBoxTop = 24;
constexpr int kBoxPitch = 32;
constexpr int kCaptionX = 10;
constexpr int kBoxX = 284;
constexpr int kBoxWidth = 50;
constexpr int kBoxHeight = 21;
constexpr int kGuidanceX = kBoxX + kBoxWidth + 6;

}  // namespace

CoefficientDialog::CoefficientDialog(CalculatorState& state, Platform& platform,
                                     QString settingsPath, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), settingsPath_(std::move(settingsPath)) {
  setObjectName(QStringLiteral("keisuu_make"));
  KeepWindowPlace(this);
  setWindowTitle(QStringLiteral("keisuu_make"));
  setFont(GothicFont(kFontPixels));
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  RunGuarded(platform_, this, [this] { ShowSettings(); });
}

void CoefficientDialog::BuildControls() {
  stressGroup_ = new QGroupBox(QStringLiteral("許容応力の設定"), this);
  stressGroup_->setObjectName(QStringLiteral("GroupBox1"));
  tensionGroup_ = new QGroupBox(QStringLiteral("初張力の設定"), this);
  tensionGroup_->setObjectName(QStringLiteral("GroupBox2"));
  const std::array<QGroupBox*, 2> groups{stressGroup_, tensionGroup_};
  for (int g = 0; g < 2; ++g)
    groups[g]->setGeometry(kGroupX, kGroupTop[g], kGroupWidth, kGroupHeight[g]);

  std::array<int, 2> placed{0, 0};
  for (int i = 0; i < kCoefficientCount; ++i) {
    const CoefficientRow& row = kCoefficientRows[i];
    QGroupBox* group = groups[row.group];
    const int y = kFirstBoxTop + kBoxPitch * placed[row.group]++;
    auto* caption = new QLabel(Utf8(row.caption), group);
    caption->move(kCaptionX, y + 3);
    auto* box = new QLineEdit(group);
    box->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    box->setGeometry(kBoxX, y, kBoxWidth, kBoxHeight);
    auto* guidance = new QLabel(Utf8(row.guidance), group);
    guidance->move(kGuidanceX, y + 3);
    boxes_[i] = box;
  }

  applyButton_ = new QPushButton(QStringLiteral("設定ボタン"), this);
  applyButton_->setObjectName(QStringLiteral("BitBtn1"));
  applyButton_->setGeometry(kGroupX, kButtonTop, kGroupWidth, kButtonHeight);
  // Enter in a box must not write the settings file behind the user's back.
  applyButton_->setAutoDefault(false);
  applyButton_->setDefault(false);
  ConnectGuarded(platform_, this, applyButton_, &QPushButton::clicked,
                 &CoefficientDialog::ApplyAndSaveSettings);
}

void CoefficientDialog::ShowSettings() {
  const CoefficientTexts texts = TextsOfSettings(state_.settings);
  for (int i = 0; i < kCoefficientCount; ++i) boxes_[i]->setText(Utf8(texts[i]));
}

CoefficientTexts CoefficientDialog::BoxTexts() const {
  CoefficientTexts texts;
  for (int i = 0; i < kCoefficientCount; ++i) texts[i] = boxes_[i]->text().toStdString();
  return texts;
}

bool CoefficientDialog::HasUnsavedEdits() const {
  return BoxTexts() != TextsOfSettings(state_.settings);
}

void CoefficientDialog::reject() {
  bool mayClose = false;
  RunGuarded(platform_, this, [&] {
    mayClose = !HasUnsavedEdits() ||
               SettleUnsavedWork(
                   platform_, this,
                   QStringLiteral("係数に設定していない変更があります。設定して保存しますか？"),
                   [this] {
                     ApplyAndSaveSettings();
                     return true;
                   },
                   [this] { ShowSettings(); });
  });
  if (mayClose) QDialog::reject();
}

void CoefficientDialog::ApplyAndSaveSettings() {
  ApplyCoefficientTexts(BoxTexts(), state_.settings);
  WriteRecordFile(LocalPath(settingsPath_), state_.settings);
}

}  // namespace coilspring
