// The counted handles of content elements.
#include "pdf/pde_handles.h"

#include <gtest/gtest.h>

#include "core/host_error.h"

namespace viewer::pdf {
namespace {

TEST(ViewerElementHandles, ReleasedAtNone) {
  ElementHandles handles;
  PDEObject text = handles.Add(std::make_shared<TextElement>());
  handles.Retain(text);
  EXPECT_EQ(handles.Release(text), 1);
  EXPECT_NE(handles.Find(text), nullptr);
  EXPECT_EQ(handles.Release(text), 0);
  EXPECT_EQ(handles.Find(text), nullptr);
  EXPECT_EQ(handles.size(), 0u);
}

TEST(ViewerElementHandles, ReleasingNullIsHarmless) {
  ElementHandles handles;
  EXPECT_EQ(handles.Release(nullptr), 0);
}

TEST(ViewerElementHandles, DeadAndWrongHandlesAreRefused) {
  ElementHandles handles;
  PDEObject space = handles.Add(std::make_shared<ColourSpaceElement>(ColourSpace::DeviceRGB));
  EXPECT_EQ(handles.Checked<ColourSpaceElement>(space)->space, ColourSpace::DeviceRGB);
  EXPECT_THROW(handles.Checked<TextElement>(space), core::HostError);
  handles.Release(space);
  EXPECT_THROW(handles.Release(space), core::HostError);
  EXPECT_THROW(handles.Retain(space), core::HostError);
  EXPECT_THROW(handles.Checked<ColourSpaceElement>(space), core::HostError);
}

TEST(ViewerElementHandles, AnElementHeldElsewhereOutlivesItsHandle) {
  ElementHandles handles;
  auto font = std::make_shared<FontElement>(nullptr);
  std::weak_ptr<FontElement> watch = font;
  PDEObject handle = handles.Add(std::move(font));
  std::shared_ptr<Element> kept = handles.Find(handle);
  handles.Release(handle);
  EXPECT_FALSE(watch.expired());
  kept.reset();
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace viewer::pdf
