// The input panel "入力項目": the material lists, the coil, turns, end form, free length and
// the two working points, the derived labels and the "推奨値" buttons.
#pragma once

#include <QGroupBox>
#include <QHash>
#include <QString>
#include <array>

#include "core/compression/calculate_cycle.h"
#include "core/compression/calculator_state.h"
#include "core/display/display_units.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace coilspring {

class IllustrationView;
class QuantityBox;
class UnitLabel;

class InputPanel final : public QGroupBox {
  Q_OBJECT

 public:
  // The lists show the materials of `state`; the panel never changes the state itself.
  InputPanel(QWidget* client, const CalculatorState& state, UnitSystem units);

  // The material lists once the material database is loaded, each on its first entry.
  void ShowFirstListEntries(DesignRecord& r);

  // Reading, each box once per call, in the order the fields depend on each other. A box that is
  // no number throws the conversion error; the fields read before it keep their new values.
  // The lists' material and wire, the coil diameter box and the three diameters derived from it.
  void ReadDiameters(DesignRecord& r);
  void ReadTotalTurns(DesignRecord& r);
  // End form, active turns, free length, lengths and loads.
  void ReadRemainingInputs(DesignRecord& r);
  void ReadInputs(DesignRecord& r);

  // A kind or symbol picked: the lists below it follow and the design takes their material and
  // the nearest wire. False when the material has no wire diameters: nothing to read yet.
  bool FollowKindChoice(DesignRecord& r);
  bool FollowSymbolChoice(DesignRecord& r);
  // Puts the lists on the design's material and wire before it is shown; the design takes the
  // material and the wire row the lists then hold, as a reading of the lists would.
  void AlignListsWith(DesignRecord& r);

  // Showing; nothing here writes into a design.
  void ShowDesign(const DesignRecord& r);
  void ShowSpringIndex(double index);
  void ShowSolidHeightOf(const DesignRecord& r);
  // The recommended free length and the maximum load; an index outside its range leaves both.
  void ShowDerived(const DerivedInputs& derived);
  void ShowMaxLoad(double stored);
  void ShowDiameterKindOf(const DesignRecord& r);
  void ShowInputMode(InputMode inputMode);
  void PutRecommendedFreeLength(double length);
  void PutLength2(double length);
  // The free length and the two lengths in the full number format.
  void PutLengthsInFull(const DesignRecord& r);
  void PutLoad2(double stored);
  void SetUnits(UnitSystem units);

  // The inputs in their Tab order, top to bottom as the panel reads, followed by `next`.
  void ChainTabOrder(QWidget* next);

  bool LeftHandWound() const;
  // Whether the coil diameter box holds a new entry worth reading (not empty, not the wire's text).
  bool CoilDiameterEntryIsNew() const;
  bool TotalTurnsEntered() const;
  // How often each box (by object name) has been read as a number since the panel was made.
  int ReadsOf(const QString& boxName) const { return reads_.value(boxName); }

 signals:
  void KindChosen();
  void SymbolChosen();
  void WireDiameterChosen();
  void EndFormChosen();
  void DiameterKindClicked();
  void CoilDiameterEntered();
  void TotalTurnsLeft();
  void SetFreeLengthClicked();
  void SetLength2Clicked();
  void SetLoad2Clicked();
  // Enter in any box: the design is to be calculated as "計算" does.
  void CalculateRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPictureBoxes();
  void BuildListsAndTurns();
  void BuildRecommendedGroup();
  void ConnectSignals();
  void FillSymbolList(int kindPosition);
  void FillWireList(DesignRecord& r, int materialNo);
  void TakeListSelection(DesignRecord& r) const;
  bool KeepNearestWireDiameter(DesignRecord& r);
  void SelectMaterial(int materialNo);
  double Number(const QLineEdit* box);
  std::array<QLineEdit*, 7> EditableBoxes() const;

  const CalculatorState& state_;
  UnitSystem units_ = UnitSystem::Gravitational;
  std::optional<double> maxLoadShown_;  // record units, for a switch of units
  QHash<QString, int> reads_;

  IllustrationView* illustration_ = nullptr;      // Image5: the spring and its dimensions
  QComboBox* kindCombo_ = nullptr;                // ComboBox5: material kind
  QComboBox* symbolCombo_ = nullptr;              // ComboBox7: material symbol
  QComboBox* wireDiameterCombo_ = nullptr;        // ComboBox6: wire diameter
  QLabel* diameterKindLabel_ = nullptr;           // Label48: which diameter the coil box holds
  QToolButton* diameterKindButton_ = nullptr;     // BitBtn1: cycles the diameter kind
  QLineEdit* coilDiameterEdit_ = nullptr;         // Edit18: inner, mean or outer diameter
  QLineEdit* totalTurnsEdit_ = nullptr;           // Edit19: total turns
  QLineEdit* activeTurnsEdit_ = nullptr;          // Edit1: active turns (read-only)
  QCheckBox* leftHandCheck_ = nullptr;            // cb1: left-hand winding, for the data sheet
  QComboBox* endFormCombo_ = nullptr;             // ComboBox8: end form
  QLineEdit* freeLengthEdit_ = nullptr;           // Edit20: free length
  QLineEdit* length1Edit_ = nullptr;              // Edit21: length L1
  QLineEdit* length2Edit_ = nullptr;              // Edit22: length L2
  QuantityBox* load1Edit_ = nullptr;              // Edit23: load P1
  QuantityBox* load2Edit_ = nullptr;              // Edit24: load P2
  UnitLabel* load1Unit_ = nullptr;                // Load1Unit
  UnitLabel* load2Unit_ = nullptr;                // Load2Unit
  QLabel* springIndexLabel_ = nullptr;            // Label28: spring index
  QGroupBox* recommendedGroup_ = nullptr;         // GroupBox5: "推奨値"
  QLabel* recommendedFreeLengthLabel_ = nullptr;  // Label30: recommended free length
  QToolButton* setFreeLengthButton_ = nullptr;    // BitBtn6: takes the recommended free length
  QLabel* solidHeightLabel_ = nullptr;            // Label36: solid height
  QToolButton* setLength2Button_ = nullptr;       // SpeedButton7: sets L2 to the solid height
  QLabel* maxLoadLabel_ = nullptr;                // Label56: maximum load
  QToolButton* setLoad2Button_ = nullptr;         // SpeedButton1: sets P2 to the maximum load
};

}  // namespace coilspring
