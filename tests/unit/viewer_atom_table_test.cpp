#include "core/atom_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace viewer::core {
namespace {

TEST(ViewerAtomTable, SameStringGivesSameAtom) {
  AtomTable atoms;
  const ASAtom first = atoms.FromString("endToolsGroup");
  std::string copy = "endToolsGroup";
  EXPECT_EQ(atoms.FromString(copy.c_str()), first);
}

TEST(ViewerAtomTable, DistinctStringsGiveDistinctAtoms) {
  AtomTable atoms;
  const ASAtom a = atoms.FromString("ADBE:Tessaly");
  const ASAtom b = atoms.FromString("ADBE:AboutTessaly");
  const ASAtom c = atoms.FromString("ADBE:TessalyMeasureIt");
  EXPECT_NE(a, b);
  EXPECT_NE(b, c);
  EXPECT_NE(a, c);
  EXPECT_NE(a, ASAtomNull);
}

TEST(ViewerAtomTable, GetStringGivesTheTextBack) {
  AtomTable atoms;
  const ASAtom atom = atoms.FromString("Thumbnail");
  ASSERT_NE(atoms.GetString(atom), nullptr);
  EXPECT_STREQ(atoms.GetString(atom), "Thumbnail");
}

TEST(ViewerAtomTable, TextStaysValidWhileTheTableGrows) {
  AtomTable atoms;
  const char* first = atoms.GetString(atoms.FromString("first"));
  for (int i = 0; i < 2000; ++i) atoms.FromString(("name" + std::to_string(i)).c_str());
  EXPECT_STREQ(first, "first");
  EXPECT_EQ(atoms.GetString(atoms.FromString("first")), first);
}

TEST(ViewerAtomTable, IsCaseSensitive) {
  AtomTable atoms;
  EXPECT_NE(atoms.FromString("Extensions"), atoms.FromString("extensions"));
}

TEST(ViewerAtomTable, NullTextHasNoAtom) {
  AtomTable atoms;
  EXPECT_EQ(atoms.FromString(nullptr), ASAtomNull);
  EXPECT_FALSE(atoms.Exists(nullptr));
}

TEST(ViewerAtomTable, EmptyTextIsAnAtomOfItsOwn) {
  AtomTable atoms;
  const ASAtom empty = atoms.FromString("");
  EXPECT_NE(empty, ASAtomNull);
  EXPECT_NE(empty, atoms.FromString(" "));
  EXPECT_STREQ(atoms.GetString(empty), "");
}

TEST(ViewerAtomTable, UnknownAtomHasNoText) {
  AtomTable atoms;
  atoms.FromString("only");
  EXPECT_EQ(atoms.GetString(1234), nullptr);
  EXPECT_EQ(atoms.GetString(ASAtomNull), nullptr);
}

TEST(ViewerAtomTable, ExistsOnlyAfterFromString) {
  AtomTable atoms;
  EXPECT_FALSE(atoms.Exists("Cstring"));
  atoms.FromString("Cstring");
  EXPECT_TRUE(atoms.Exists("Cstring"));
  EXPECT_FALSE(atoms.Exists("cstring"));
}

}  // namespace
}  // namespace viewer::core
