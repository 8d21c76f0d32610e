#include "ui/kinds/torsion/torsion_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/compression/spring_calc.h"
#include "core/records/input_problem.h"
#include "core/text/sjis.h"
#include "core/text/user_error.h"
#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_illustration.h"
#include "core/torsion/torsion_reference.h"
#include "core/torsion/torsion_sheet.h"
#include "core/torsion/torsion_views.h"
#include "json/torsion_json.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/illustration_panel.h"
#include "ui/render/torsion_pictures.h"
#include "ui/widgets/coil_inputs_box.h"
#include "ui/widgets/lazy_page.h"
#include "ui/widgets/quantity_box.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

// An optional length: an empty box is none.
std::optional<double> OptionalNumber(const QLineEdit* box) {
  if (box->text().trimmed().isEmpty()) return std::nullopt;
  return BoxNumber(box);
}

QString OptionalText(const std::optional<double>& value) {
  return value ? ShortText(*value) : QString();
}

constexpr int kResultsWidth = 360;

}  // namespace

TorsionWindow::TorsionWindow(const KindWindowContext& context, QWidget* parent)
    : SpringKindWindow(context, SpringKind::Torsion, {TorsionDocumentText, ReadTorsionDocumentJson},
                       parent),
      kinds_(context.state.kinds) {
  Frame("TorsionWindow", "ねじれ角・モーメント切替");
  BuildClient();
  // The worked example of the help on the first material listed, at its first wire of 2 mm or
  // more.
  TorsionDesign start;
  start.MaterialNo = kinds_.MaterialAt(0, 0).value_or(0);
  start.WireDiameter = 2;
  start.DiameterKind = DiameterKind::Mean;
  start.MeanDiameter = 16;
  start.TotalTurns = 6;
  start.Leg1 = start.Leg2 = 25;
  start.InputMode = kAnglesEntered;
  start.Angle1 = 30;
  start.Angle2 = 60;
  Begin(start);
}

QWidget* TorsionWindow::BuildInputs() {
  auto* inputs = new QWidget;
  auto* column = new QVBoxLayout(inputs);
  coil_ = new CoilInputsBox(materials_, kinds_);
  coil_->setObjectName("TorsionCoil");
  column->addWidget(coil_);
  illustration_ = new IllustrationPanel("torsionIllustration", DrawTorsionIllustration);
  column->insertWidget(0, illustration_);
  auto* box = new QGroupBox(QStringLiteral("腕と作動点"));
  column->addWidget(box);
  column->addStretch();
  auto* form = new QFormLayout(box);
  leg1Edit_ = NumberBox("TorsionLeg1");
  leg2Edit_ = NumberBox("TorsionLeg2");
  armEdit_ = NumberBox("TorsionArm");
  armEdit_->setPlaceholderText(QStringLiteral("空欄は腕の長さ1"));
  rodEdit_ = NumberBox("TorsionRod");
  rodEdit_->setPlaceholderText(QStringLiteral("空欄は点検しない"));
  modeCombo_ = new QComboBox;
  modeCombo_->setObjectName("TorsionMode");
  modeCombo_->addItems({QStringLiteral("モーメント入力"), QStringLiteral("ねじれ角入力")});
  modeCombo_->setCurrentIndex(RawOf(kAnglesEntered));
  point1Label_ = new QLabel;
  point2Label_ = new QLabel;
  point1Edit_ = new QuantityBox("TorsionPoint1", Quantity::Energy);
  point2Edit_ = new QuantityBox("TorsionPoint2", Quantity::Energy);
  form->addRow(QStringLiteral("荷重点の腕の長さ mm"), armEdit_);
  form->addRow(QStringLiteral("案内棒径 mm"), rodEdit_);
  form->addRow(QStringLiteral("作動点"), modeCombo_);
  leftHandCheck_ = new QCheckBox(QStringLiteral("左巻"));
  leftHandCheck_->setObjectName("leftHandCheck");
  form->addRow(leftHandCheck_);
  namespace place = torsion_illustration;
  illustration_->Put(leg1Edit_, place::kLeg1, QStringLiteral("腕１"));
  illustration_->Put(leg2Edit_, place::kLeg2, QStringLiteral("腕２"));
  illustration_->Put(point1Edit_, place::kPoint1, point1Label_);
  illustration_->Put(point2Edit_, place::kPoint2, point2Label_);
  illustration_->Put(coil_->DiameterBox(), place::kDiameter, QStringLiteral("径"));
  calculateButton_ = new QPushButton(QStringLiteral("計算"));
  calculateButton_->setObjectName("calculateButton");
  form->addRow(calculateButton_);
  form->addRow(HistoryControls());

  ConnectCalculation(inputs, calculateButton_);
  connect(modeCombo_, &QComboBox::currentIndexChanged, this,
          [this] { ShowWorkingPoints(Design()); });
  return inputs;
}

void TorsionWindow::BuildClient() {
  QWidget* inputs = BuildInputs();
  resultsTable_ = ItemTable("TorsionResults");
  resultsTable_->setMinimumWidth(kResultsWidth);
  diagram_ = new QLabel;
  diagram_->setObjectName("TorsionDiagram");
  diagram_->setFixedSize(kMomentDiagramWidth, kMomentDiagramHeight);
  views_ = new QLabel;
  views_->setObjectName("TorsionViews");
  views_->setFixedSize(kTorsionViewsWidth, kTorsionViewsHeight);
  referenceTable_ = ItemTable("TorsionReference");
  HistoryGrid({"材料", "d", "D", "Nt", "θ1", "θ2", "M2", "σ2", "判定"},
              {"", "mm", "mm", "巻", "°", "°", "kgf·mm", "kgf/mm^2", ""});
  PlaceClient(inputs, resultsTable_, diagram_, views_, referenceTable_);
  stalePages_->Add(Page(kSideViewPage), [this] {
    views_->setPixmap(QPixmap::fromImage(TorsionViewsImage(
        Design(), {kTorsionViewsWidth, kTorsionViewsHeight}, ScreenPixelRatio())));
  });
  stalePages_->Add(Page(kReferencePage), [this] {
    ShowReferenceRows(
        referenceTable_,
        TorsionReferenceRows(
            ComputeTorsionReference(Design(), MaterialOf(materials_, Design().MaterialNo),
                                    OperatingTemperature()),
            units_));
  });
}

TorsionDesign TorsionWindow::ReadInputs() const {
  const CoilInputs coil = coil_->Read();
  if (coil.materialNo < 0 || coil.wireDiameter == 0) throw UserError("材料と線径を選んでください");
  TorsionDesign t;
  t.MaterialNo = coil.materialNo;
  t.WireDiameter = coil.wireDiameter;
  t.DiameterKind = coil.diameterKind;
  EnteredDiameter(t) = coil.diameter;
  t.TotalTurns = coil.totalTurns;
  t.Leg1 = BoxNumber(leg1Edit_);
  t.Leg2 = BoxNumber(leg2Edit_);
  t.LoadArm = OptionalNumber(armEdit_);
  t.Rod = OptionalNumber(rodEdit_);
  t.InputMode = static_cast<InputMode>(modeCombo_->currentIndex());
  t.LeftHand = leftHandCheck_->isChecked();
  if (t.InputMode == kAnglesEntered) {
    t.Angle1 = BoxNumber(point1Edit_);
    t.Angle2 = BoxNumber(point2Edit_);
  } else {
    t.Moment1 = point1Edit_->ReadStored(units_);
    t.Moment2 = point2Edit_->ReadStored(units_);
  }
  return t;
}

bool TorsionWindow::MomentsEntered() const {
  return modeCombo_->currentIndex() == RawOf(kMomentsEntered);
}

void TorsionWindow::ShowInputModeCaptions() {
  const bool angles = !MomentsEntered();
  const QString unit = angles ? QStringLiteral("°") : Utf8(UnitCaption(Quantity::Energy, units_));
  const QString name = angles ? QStringLiteral("ねじれ角") : QStringLiteral("モーメント");
  // The picture has room for the symbols only; the box's hint names the quantity in full.
  const QString symbol = angles ? QStringLiteral("θ") : QStringLiteral("M");
  illustration_->Retitle(point1Label_, symbol + QStringLiteral("1"));
  illustration_->Retitle(point2Label_, symbol + QStringLiteral("2"));
  point1Edit_->setToolTip(name + QStringLiteral("1 ") + unit);
  point2Edit_->setToolTip(name + QStringLiteral("2 ") + unit);
}

// The boxes of a design, the working points in the pair the mode enters.
void TorsionWindow::ShowInputs(const TorsionDesign& t) {
  coil_->Show({t.MaterialNo, t.WireDiameter, t.DiameterKind, EnteredDiameter(t), t.TotalTurns});
  leg1Edit_->setText(ShortText(t.Leg1));
  leg2Edit_->setText(ShortText(t.Leg2));
  armEdit_->setText(OptionalText(t.LoadArm));
  rodEdit_->setText(OptionalText(t.Rod));
  leftHandCheck_->setChecked(t.LeftHand);
  ShowWorkingPoints(t);
}

void TorsionWindow::ShowWorkingPoints(const TorsionDesign& t) {
  ShowInputModeCaptions();
  if (MomentsEntered()) {
    point1Edit_->ShowStored(t.Moment1, units_);
    point2Edit_->ShowStored(t.Moment2, units_);
  } else {
    point1Edit_->setText(ShortText(t.Angle1));
    point2Edit_->setText(ShortText(t.Angle2));
  }
}

// A design that cannot exist is refused naming its field, before anything changes.
TorsionDesign TorsionWindow::CalculatedInputs() {
  TorsionDesign t = ReadInputs();
  if (const auto problem = TorsionInputProblem(t, materials_))
    throw UserError(InputProblemMessage(*problem));
  // One bending table serves the calculation and its checks.
  const PreparedMaterial material = PrepareMaterial(MaterialOf(materials_, t.MaterialNo));
  CalculateTorsion(t, material);
  check_ = CheckTorsion(t, material);
  return t;
}

void TorsionWindow::CalculateStored(TorsionDesign& design) const {
  CalculateTorsion(design, materials_);
}

// A design not calculated just now comes with its inputs, its mode and the results it holds.
void TorsionWindow::ShowDesign(bool calculated) {
  if (!calculated) {
    check_ = CheckTorsion(Design(), materials_);
    {
      const QSignalBlocker block(modeCombo_);
      modeCombo_->setCurrentIndex(RawOf(Design().InputMode));
    }
    ShowInputs(Design());
  }
  ShowResults();
}

// The results and the diagram are always on screen; each page below them is drawn when it is.
void TorsionWindow::ShowResults() {
  ShowResultsAndDiagram();
  stalePages_->DesignChanged();
}

void TorsionWindow::ShowResultsAndDiagram() {
  // The angles and the moments, entered or derived, lead the results.
  std::vector<QStringList> leading, results;
  TorsionDesign::VisitFields(Design(), [&](const DesignField& f, const auto& field) {
    using T = std::decay_t<decltype(field)>;
    if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::optional<double>>) {
      const std::string_view key = f.name;
      const bool leads = key.starts_with("Angle") || key.starts_with("Moment");
      if (!leads && f.IsInput()) return;
      const std::optional<double> v = field;
      (leads ? leading : results)
          .push_back({Utf8(f.label),
                      v ? ShortText(ShownFieldValue(*v, f, units_)) : Utf8(kNotAvailable),
                      Utf8(FieldUnitCaption(f, units_))});
    }
  });
  leading.insert(leading.end(), results.begin(), results.end());
  resultsTable_->setRowCount(static_cast<int>(leading.size()));
  for (std::size_t i = 0; i < leading.size(); ++i)
    SetCells(resultsTable_, static_cast<int>(i), leading[i]);
  ShowCheckLines(check_.lines, check_.failed);
  // The diagram is the page's costliest part: it is drawn again only for another design or unit.
  if (diagramShown_ && diagramShown_->first == Design() && diagramShown_->second == units_) return;
  diagramShown_.emplace(Design(), units_);
  diagram_->setPixmap(QPixmap::fromImage(MomentDiagramImage(Design(), units_, ScreenPixelRatio())));
}

QStringList TorsionWindow::HistoryCells(const TorsionDesign& t) const {
  const TorsionCheck check = CheckTorsion(t, materials_);
  return {Utf8(SjisToUtf8(MaterialOf(materials_, t.MaterialNo).Symbol.Raw())),
          ShortText(t.WireDiameter),
          ShortText(t.MeanDiameter),
          ShortText(t.TotalTurns),
          ShortText(t.Angle1),
          ShortText(t.Angle2),
          ShortText(ShownValue(t.Moment2, Quantity::Energy, units_)),
          ShortText(ShownValue(t.Stress2, Quantity::Stress, units_)),
          check.failed ? QStringLiteral("NG") : QStringLiteral("OK")};
}

void TorsionWindow::ToggleInputMode() {
  modeCombo_->setCurrentIndex(1 - modeCombo_->currentIndex());
}

// Moments typed but not yet calculated keep their value: they are read in the old units and
// shown in the new.
void TorsionWindow::ApplyUnits(UnitSystem before, UnitSystem now) {
  if (MomentsEntered())
    for (QuantityBox* box : {point1Edit_, point2Edit_}) box->SwitchUnits(before, now);
  ShowInputModeCaptions();
  ShowResults();
  ShowHistory();
}

std::string TorsionWindow::DxfText() const { return TorsionDxfText(Design()); }

void TorsionWindow::ShowDataSheet() {
  DataSheetWindow()->ShowPage(
      std::make_unique<TorsionSheetPage>(Design(), TorsionSheetRows(Design(), materials_)),
      SheetPdfName());
}

}  // namespace coilspring
