#include "core/torsion/torsion_members.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "core/text/user_error.h"
#include "core/torsion/torsion_calc.h"

namespace coilspring {

namespace {

[[noreturn]] void ThrowKeyError(const std::string& key, const std::string& what) {
  throw UserError(InputProblemMessage({key.c_str(), what}));
}

class Reader {
 public:
  explicit Reader(const MemberLookup& member) : member_(member) {}

  double Number(const std::string& key) const {
    const MemberValue v = member_(key);
    if (v.kind == MemberValue::Kind::Missing) throw UserError("キー '" + key + "' がありません");
    if (v.kind != MemberValue::Kind::Number) ThrowKeyError(key, "数値");
    return v.number;
  }
  std::optional<double> OptionalNumber(const std::string& key) const {
    const MemberValue::Kind kind = member_(key).kind;
    if (kind == MemberValue::Kind::Missing || kind == MemberValue::Kind::Null) return std::nullopt;
    return Number(key);
  }
  std::int32_t Integer(const std::string& key) const {
    const double v = Number(key);
    if (v != std::floor(v) || std::fabs(v) > std::numeric_limits<std::int32_t>::max())
      ThrowKeyError(key, "整数");
    return static_cast<std::int32_t>(v);
  }
  template <StoredCode Code>
  Code CodeOf(const std::string& key) const {
    if (const std::optional<Code> code = CodeFrom<Code>(Integer(key))) return *code;
    ThrowKeyError(key, " 0～" + std::to_string(LastRawOf<Code>()) + " の整数");
  }

 private:
  const MemberLookup& member_;
};

}  // namespace

bool IsTorsionKey(const std::string& key) {
  static const std::set<std::string> keys = [] {
    std::set<std::string> all = {"kind",       "history",      "units",    "lines",
                                 "MaterialNo", "DiameterKind", "InputMode"};
    for (const TorsionField& f : TorsionFields()) all.insert(f.name);
    return all;
  }();
  return keys.contains(key);
}

TorsionDesign ReadTorsionMembers(const MemberLookup& member, const MaterialTable& materials) {
  const Reader in(member);
  TorsionDesign t;
  t.MaterialNo = in.Integer("MaterialNo");
  t.WireDiameter = in.Number("WireDiameter");
  t.DiameterKind = in.CodeOf<DiameterKind>("DiameterKind");
  EnteredDiameter(t) = in.Number(EnteredDiameterName(t.DiameterKind));
  t.TotalTurns = in.Number("TotalTurns");
  t.Leg1 = in.Number("Leg1");
  t.Leg2 = in.Number("Leg2");
  t.LoadArm = in.OptionalNumber("LoadArm");
  t.Rod = in.OptionalNumber("Rod");
  t.InputMode = in.CodeOf<InputMode>("InputMode");
  if (t.InputMode == kAnglesEntered) {
    t.Angle1 = in.Number("Angle1");
    t.Angle2 = in.Number("Angle2");
  } else {
    t.Moment1 = in.Number("Moment1");
    t.Moment2 = in.Number("Moment2");
  }
  if (const std::optional<InputProblem> problem = TorsionInputProblem(t, materials))
    throw UserError(InputProblemMessage(*problem));
  return t;
}

std::string UnknownKeyMessage(const std::string& key) {
  return "不明なキー '" + key + "' があります";
}

}  // namespace coilspring
