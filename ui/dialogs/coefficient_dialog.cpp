#include "ui/dialogs/coefficient_dialog.h"

#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "core/records/file_io.h"
#include "ui/platform/widgets.h"
#include "ui/platform/handler_guard.h"

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

CoefficientDialog::CoefficientDialog(CalculatorState& state, Platform& platform, QString settingsPath,
                           QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform), settingsPath_(std::move(settingsPath)) {
  setObjectName(QStringLiteral("keisuu_make"));
  setWindowTitle(QStringLiteral("keisuu_make"));
  setFont(GothicFont(kFontPixels));
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  RunGuarded(platform_, this, [this] { FormCreate(); });
}

void CoefficientDialog::BuildControls() {
  GroupBox1 = new QGroupBox(QStringLiteral("許容応力の設定"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox2 = new QGroupBox(QStringLiteral("初張力の設定"), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  const std::array<QGroupBox*, 2> groups{GroupBox1, GroupBox2};
  for (int g = 0; g < 2; ++g)
    groups[g]->setGeometry(kGroupX, kGroupTop[g], kGroupWidth, kGroupHeight[g]);

  std::array<QLineEdit*, kCoefficientCount> boxes{};
  std::array<int, 2> placed{0, 0};
  for (int i = 0; i < kCoefficientCount; ++i) {
    const CoefficientRow& row = kCoefficientRows[i];
    QGroupBox* group = groups[row.group];
    const int y = kFirstBoxTop + kBoxPitch * placed[row.group]++;
    auto* caption = new QLabel(QString::fromUtf8(row.caption), group);
    caption->move(kCaptionX, y + 3);
    auto* box = new QLineEdit(group);
    box->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    box->setGeometry(kBoxX, y, kBoxWidth, kBoxHeight);
    auto* guidance = new QLabel(QString::fromUtf8(row.guidance), group);
    guidance->move(kGuidanceX, y + 3);
    boxes[i] = box;
  }
  Edit1 = boxes[0];
  Edit2 = boxes[1];
  Edit3 = boxes[2];
  Edit4 = boxes[3];
  Edit5 = boxes[4];
  Edit6 = boxes[5];
  Edit7 = boxes[6];

  BitBtn1 = new QPushButton(QStringLiteral("設定ボタン"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(kGroupX, kButtonTop, kGroupWidth, kButtonHeight);
  // Enter in a box must not write the settings file behind the user's back.
  BitBtn1->setAutoDefault(false);
  BitBtn1->setDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this,
          [this] { RunGuarded(platform_, this, [this] { BitBtn1Click(); }); });
}

std::array<QLineEdit*, kCoefficientCount> CoefficientDialog::Boxes() const {
  return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
}

void CoefficientDialog::FormCreate() {
  const CoefficientTexts texts = TextsOfSettings(state_.settings);
  const auto boxes = Boxes();
  for (int i = 0; i < kCoefficientCount; ++i) boxes[i]->setText(QString::fromStdString(texts[i]));
}

void CoefficientDialog::BitBtn1Click() {
  CoefficientTexts texts;
  const auto boxes = Boxes();
  for (int i = 0; i < kCoefficientCount; ++i) texts[i] = boxes[i]->text().toStdString();
  ApplyCoefficientTexts(texts, state_.settings);
  WriteRecordFile(QFile::encodeName(settingsPath_).toStdString(), state_.settings);
}

}  // namespace coilspring
