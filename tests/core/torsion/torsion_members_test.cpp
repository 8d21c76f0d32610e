#include "core/torsion/torsion_members.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/text/user_error.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

using Kind = MemberValue::Kind;

// A document of numbers; a text member is "Other", a null member "Null".
struct Document {
  std::map<std::string, MemberValue> members;
  MemberLookup Lookup() const {
    return [this](const std::string& key) {
      const auto at = members.find(key);
      return at == members.end() ? MemberValue{} : at->second;
    };
  }
};

MemberValue N(double v) { return {Kind::Number, v}; }

Document ExampleDocument() {
  return {{{"MaterialNo", N(0)},
           {"WireDiameter", N(2)},
           {"DiameterKind", N(1)},
           {"MeanDiameter", N(16)},
           {"TotalTurns", N(6)},
           {"Leg1", N(25)},
           {"Leg2", N(25)},
           {"InputMode", N(1)},
           {"Angle1", N(30)},
           {"Angle2", N(60)}}};
}

class TorsionMembersTest : public TorsionExample {
 protected:
  void SetUp() override {
    TorsionExample::SetUp();
    for (int i = 1; i < kMaterialCount; ++i) (*materials)[i].KindNo = kEmptyKindNo;
  }
};

TEST_F(TorsionMembersTest, ReadsTheExample) {
  EXPECT_EQ(ReadTorsionMembers(ExampleDocument().Lookup(), *materials), t);
}

TEST_F(TorsionMembersTest, OptionalAndModeDependentMembers) {
  Document document = ExampleDocument();
  document.members["LoadArm"] = N(40);
  document.members["Rod"] = {Kind::Null};
  document.members["InputMode"] = N(0);
  document.members.erase("Angle1");
  document.members.erase("Angle2");
  document.members["Moment1"] = N(10);
  document.members["Moment2"] = N(20);
  const TorsionDesign t = ReadTorsionMembers(document.Lookup(), *materials);
  EXPECT_EQ(t.LoadArm, std::optional<double>(40));
  EXPECT_FALSE(t.Rod.has_value());
  EXPECT_EQ(t.Moment2, 20);
}

TEST_F(TorsionMembersTest, MessagesNameTheKey) {
  struct Case {
    const char* key;
    MemberValue value;  // Missing removes the member
    const char* message;
  };
  const Case cases[] = {
      {"MaterialNo", N(1), "キー 'MaterialNo' は材料データベースにある材料の番号にしてください"},
      {"MaterialNo", N(0.5), "キー 'MaterialNo' は整数にしてください"},
      {"WireDiameter", N(2.1),
       "キー 'WireDiameter' は材料番号 0 の線径表にある値（1.8～2.3 の表の値）にしてください"},
      {"DiameterKind", N(3), "キー 'DiameterKind' は 0～2 の整数にしてください"},
      {"MeanDiameter", {}, "キー 'MeanDiameter' がありません"},
      {"Leg2", {Kind::Other}, "キー 'Leg2' は数値にしてください"},
      {"Leg1", {Kind::Null}, "キー 'Leg1' は数値にしてください"},
      {"InputMode", N(2), "キー 'InputMode' は 0～1 の整数にしてください"},
      {"Angle2", {}, "キー 'Angle2' がありません"},
      {"TotalTurns", N(-1), "キー 'TotalTurns' は0 より大きい有限の数値にしてください"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    Document document = ExampleDocument();
    if (c.value.kind == Kind::Missing)
      document.members.erase(c.key);
    else
      document.members[c.key] = c.value;
    try {
      ReadTorsionMembers(document.Lookup(), *materials);
      ADD_FAILURE() << "no error";
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST_F(TorsionMembersTest, KnownKeys) {
  for (const char* key : {"kind", "history", "units", "lines", "MaterialNo", "InputMode", "Angle1",
                          "LoadArm", "UpperStressRatio"})
    EXPECT_TRUE(IsTorsionKey(key)) << key;
  for (const char* key : {"Hook", "FreeLength", ""}) EXPECT_FALSE(IsTorsionKey(key)) << key;
}

}  // namespace
}  // namespace coilspring
