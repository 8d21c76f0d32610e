// coilspring-cli: the calculator's core for scripts.
#include "cli/command_table.h"
#include "cli/commands.h"
#include "cli/drawing_client.h"

namespace {

constexpr const char* kCalcUsage =
    "calc FILE.abd [--slot N] [--all] [--json] [--materials F] [--settings F]\n"
    "     [--grade 1|2|3] [--bore MM] [--rod MM] [--temperature C] [--units si|gravity]\n"
    "\n"
    "設計ファイルの設計を「計算」ボタンと同じく計算し、記録の全項目、期待寿命、参考計算と\n"
    "チェックの結果を表示する。FILE は .abd の設計ファイルか .json の設計。\n"
    "  --slot N           0 は現在の設計（既定）、1〜30 は履歴\n"
    "  --all              現在の設計と使用中のすべての履歴\n"
    "  --json             JSON で出力する\n"
    "  --materials F      材料データベース（既定: プログラムと同じフォルダの zaidat.dst）\n"
    "  --settings F       設定ファイル（既定: プログラムと同じフォルダの keisuu.dat）\n"
    "  --grade 1|2|3      参考計算の最悪値の等級（既定 2）\n"
    "  --bore MM          穴径 mm（既定: チェックしない）\n"
    "  --rod MM           軸径 mm（既定: チェックしない）\n"
    "  --temperature C    運転温度 ℃（既定 20）\n"
    "  --units si|gravity 荷重・バネ定数・応力の単位（既定: 記録のまま kgf）\n";

constexpr const char* kDxfUsage =
    "dxf FILE.abd OUT.dxf [--slot N]\n"
    "\n"
    "保存されている設計の側面図を「ＤＸＦ出力」と同じ DXF ファイルにする（計算し直さない）。\n"
    "  --slot N   0 は現在の設計（既定）、1〜30 は履歴\n";

constexpr const char* kPictureUsage =
    "picture FILE.abd --diagram OUT.png [--slot N] [--materials F] [--settings F]\n"
    "picture FILE.abd --shape OUT.png [--state free|load1|load2] [--slot N]\n"
    "\n"
    "設計を calc と同じく計算し、疲れ線図または側面図を PNG ファイルに描く。\n"
    "  --diagram OUT.png          疲れ線図\n"
    "  --shape OUT.png            側面図\n"
    "  --state free|load1|load2   側面図の状態: 自由長さ（既定）、L1、L2\n"
    "  --slot N                   0 は現在の設計（既定）、1〜30 は履歴\n";

constexpr const char* kSheetUsage =
    "sheet FILE.abd OUT.pdf [--slot N] [--materials F] [--settings F] [--left]\n"
    "\n"
    "設計を calc と同じく計算し、要目表を 1 ページの PDF にする。\n"
    "  --slot N   0 は現在の設計（既定）、1〜30 は履歴\n"
    "  --left     左巻き\n";

constexpr const char* kStepUsage =
    "step FILE OUT.step [--state free|load1|load2] [--left] [--slot N] [--materials F]\n"
    "\n"
    "設計のばねを 3D モデル（線径の円を中心線に沿って掃引した一つの立体）にして STEP ファイル\n"
    "（AP214、mm）に書く。圧縮・引張・ねじり・円すいコイルばねの設計ファイルに使える。\n"
    "  --state free|load1|load2   状態: 自由（既定）、荷重 1、荷重 2 のとき\n"
    "  --left                     左巻き（引張・ねじり・円すいは設計の LeftHand でも）\n"
    "  --slot N                   0 は現在の設計（既定）、1〜30 は履歴\n";

constexpr const char* kSolveUsage =
    "solve REQ.json [--rank KEY] [--top N] [--json]\n"
    "      [--write OUT.abd|OUT.json] [--materials F] [--settings F] [--threads N]\n"
    "\n"
    "要求（JSON）を満たす設計を探し、順位を付けて表示する（「設計支援」と同じ探索）。\n"
    "要求の \"kind\" でばねの種類を選ぶ（compression（既定）、extension、torsion）。\n"
    "  --rank KEY                     並べ方: 圧縮 mass|life|margin|solid、引張\n"
    "                                 mass|life|margin|length、ねじり mass|margin|body\n"
    "  --top N                        表示する候補の数（1〜1000）\n"
    "  --json                         JSON で出力する\n"
    "  --write OUT.abd|OUT.json       最良の設計を現在の設計、上位 30 件を履歴にして保存する\n"
    "                                 （引張・ねじりはその種類の設計ファイル）\n"
    "  --threads N                    使うスレッドの数（既定: すべてのコア）\n";

constexpr const char* kDesignUsage =
    "design export FILE.abd [--slot N]\n"
    "design import DESIGN.json OUT.abd [--materials F] [--settings F]\n"
    "\n"
    "export: 保存されている設計を記録の項目名の JSON にして標準出力に出す。\n"
    "import: JSON の設計を calc と同じく計算し、履歴の空いた設計ファイルにする。\n";

const coilspring::cli::Command kCommands[] = {
    {"calc", coilspring::cli::RunCalc, kCalcUsage},
    {"dxf", coilspring::cli::RunDxf, kDxfUsage},
    // Drawn in the drawing module, the one part of the program that loads Qt.
    {"picture",
     [](const coilspring::cli::Args& a) {
       return coilspring::cli::RunInDrawingModule("picture", a);
     },
     kPictureUsage},
    {"sheet",
     [](const coilspring::cli::Args& a) { return coilspring::cli::RunInDrawingModule("sheet", a); },
     kSheetUsage},
    // Made in the 3D module, the one part of the program that loads Open CASCADE.
    {"step", coilspring::cli::RunStep, kStepUsage},
    {"materials", coilspring::cli::RunMaterials, coilspring::cli::kMaterialsUsage},
    {"settings", coilspring::cli::RunSettings, coilspring::cli::kSettingsUsage},
    {"solve", coilspring::cli::RunSolve, kSolveUsage},
    {"design", coilspring::cli::RunDesign, kDesignUsage},
};

}  // namespace

int main(int argc, char** argv) {
  return coilspring::cli::RunCommandLine(argc, argv, kCommands,
                                         "圧縮コイルバネ計算のコマンドライン");
}
