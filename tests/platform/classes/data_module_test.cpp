#include <gtest/gtest.h>

#include "platform/classes/classes_errors.h"
#include "platform/classes/data_module.h"
#include "platform/classes/form_image.h"
#include "platform/classes/publisher.h"
#include "platform/classes/resource_stream.h"
#include "platform/core/cp874.h"
#include "test_components.h"

// The images are embedded at build time (see CMakeLists.txt) and registered here.
#include "TTESTDATAMODULE.res.inc"
#include "TTESTDATAMODULE2.res.inc"

class TTestDataModule : public TDataModule {
  PR_CLASS(TTestDataModule, TDataModule)

 public:
  explicit TTestDataModule(TComponent* AOwner) : TDataModule(AOwner) {}
  TTestWidget* Widget1 = nullptr;
  TTestWidget* Widget2 = nullptr;
  int created = 0;
  int* destroyed = nullptr;
  void ModuleCreate(TObject*) { ++created; }
  void ModuleDestroy(TObject*) { ++*destroyed; }
};

PR_PUBLISH(TTestDataModule) {
  p.Field("Widget1", &TTestDataModule::Widget1);
  p.Field("Widget2", &TTestDataModule::Widget2);
  p.Method("ModuleCreate", &TTestDataModule::ModuleCreate);
  p.Method("ModuleDestroy", &TTestDataModule::ModuleDestroy);
}

class TTestDataModule2 : public TTestDataModule {
  PR_CLASS(TTestDataModule2, TTestDataModule)

 public:
  using TTestDataModule::TTestDataModule;
  TTestWidget* Widget3 = nullptr;
};

PR_PUBLISH(TTestDataModule2) { p.Field("Widget3", &TTestDataModule2::Widget3); }

class TModuleWithoutImage : public TDataModule {
  PR_CLASS(TModuleWithoutImage, TDataModule)

 public:
  using TDataModule::TDataModule;
};

PR_IMPLEMENT_CLASS(TModuleWithoutImage)

namespace {

TEST(DataModule, ConstructionReadsTheEmbeddedImage) {
  std::unique_ptr<TTestDataModule, TObjectDeleter> module(NewObject<TTestDataModule>(nullptr));
  EXPECT_EQ(module->Name(), "TestModule");
  ASSERT_NE(module->Widget1, nullptr);
  ASSERT_NE(module->Widget2, nullptr);
  EXPECT_EQ(module->Widget1->Caption, "From the image");
  EXPECT_EQ(module->Widget1->Buddy(), module->Widget2);
  EXPECT_EQ(module->Widget1->DesignInfo(), 16 << 16 | 24);
  EXPECT_EQ(module->Widget2->Int, 5);
  EXPECT_EQ(module->created, 1);   // OnCreate bound from the image, run once
  int destroyed = 0;
  module->destroyed = &destroyed;
  module->OnDestroy.Bind(module.get(), &TTestDataModule::ModuleDestroy);
  module.reset();
  EXPECT_EQ(destroyed, 1);
}

TEST(DataModule, AnInheritedModuleReadsItsAncestorsImageFirst) {
  std::unique_ptr<TTestDataModule2, TObjectDeleter> module(NewObject<TTestDataModule2>(nullptr));
  ASSERT_EQ(module->ComponentCount(), 3);
  EXPECT_EQ(module->Widget1->Caption, std::string("กข changed"_cp874));
  EXPECT_EQ(module->Widget2->Int, 5);
  ASSERT_NE(module->Widget3, nullptr);
  EXPECT_EQ(module->Widget3->Buddy(), module->Widget1);
  EXPECT_EQ(module->created, 1);
}

TEST(DataModule, AModuleWithoutImageAndMissingResources) {
  try {
    NewObject<TModuleWithoutImage>(nullptr);
    FAIL() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource TModuleWithoutImage not found");
  }
  EXPECT_THROW(TResourceStream("NOWHERE", "RCDATA"), EResNotFound);
  TResourceStream image("ttestdatamodule", "rcdata");
  EXPECT_GT(image.Size(), 0);
  EXPECT_THROW(image.WriteBuffer("x", 1), EStreamError);
  EXPECT_FALSE(ReadComponentRes("NOWHERE", nullptr));
}

}  // namespace
