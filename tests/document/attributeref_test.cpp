#include "document/attributeref.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "document/edits.h"

namespace ubic::test {
namespace {

// A model of three top-level attributes, the middle two of one name: A, B, B.
class AttributeRefTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Document.Run(edits::RenameAttribute(Top(0), "A"));
    Document.Run(edits::AddAttribute(*Document.Model().Root(), "B"));
    Document.Run(edits::AddAttribute(*Document.Model().Root(), "B"));
  }
  const TUbicAttribute& Top(int index) { return *Document.Model().Root()->Input(index); }

  TUbicDocument Document;
};

TEST_F(AttributeRefTest, FindsTheAttributeAgainAfterUndoAndMoves) {
  const TAttributeRef second(Top(2));
  const TAttributeRef first(Top(0));
  Document.Run(edits::AddOption(0, "x"));
  Document.Undo();
  EXPECT_EQ(second.Find(Document.Model()), &Top(2));
  // Of two attributes of one name, the one at its place.
  Document.Run(edits::MoveAttribute(Top(0), 1));
  EXPECT_EQ(second.Find(Document.Model()), &Top(2));
  EXPECT_EQ(first.Find(Document.Model()), &Top(1));
  // Moved away from its place, it is the first of its name.
  Document.Run(edits::CutAttribute(Top(0)));
  EXPECT_EQ(second.Find(Document.Model()), &Top(1));
  Document.Run(edits::CutAttribute(Top(1)));
  EXPECT_EQ(second.Find(Document.Model()), nullptr);
  EXPECT_TRUE(first.Refers(Document.Model(), Top(0)));
}

TEST_F(AttributeRefTest, FindAllLeavesOutWhatIsGoneAndRepeated) {
  const std::vector<TAttributeRef> refs{TAttributeRef(Top(2)), TAttributeRef(Top(0)),
                                        TAttributeRef(Top(0))};
  EXPECT_EQ(FindAll(Document.Model(), refs),
            (std::vector<const TUbicAttribute*>{&Top(2), &Top(0)}));
  // With A gone, no B is at the place of the last one: the first B stands for it.
  Document.Run(edits::CutAttribute(Top(0)));
  EXPECT_EQ(FindAll(Document.Model(), refs), std::vector<const TUbicAttribute*>{&Top(0)});
}

}  // namespace
}  // namespace ubic::test
