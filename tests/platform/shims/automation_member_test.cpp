// Binding a late-bound call to an object's member table: the member by name and kind, positional
// and named arguments put in parameter order, and the refusals.
#include <gtest/gtest.h>

#include "platform/shims/automation_member.h"

namespace {

constexpr std::string_view kParams[] = {"First", "Second", "Third"};
constexpr TMemberSpec kMembers[] = {{"Read", DISPATCH_PROPERTYGET, {}, 0}, {"Call", DISPATCH_METHOD, kParams, 1}};
constexpr WORD kLateBound = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

HRESULT Refusal(WORD flags, std::initializer_list<Variant> args, std::initializer_list<TNamedArg> named) {
  try {
    BindCall(kMembers, "Call", flags, std::span(args.begin(), args.size()), std::span(named.begin(), named.size()));
  } catch (const EOleSysError& e) {
    return e.ErrorCode();
  }
  return S_OK;
}

TEST(AutomationMember, ArgumentsLandInParameterOrder) {
  const Variant args[] = {Variant(1)};
  const TNamedArg named[] = {{"third", Variant("3")}};
  const TBoundCall call = BindCall(kMembers, "CALL", kLateBound, args, named);
  EXPECT_EQ(call.member, 1u);
  ASSERT_EQ(call.args.size(), 3u);
  EXPECT_EQ(call.args[0].AsInteger(), 1);
  EXPECT_TRUE(call.args[1].IsEmpty());
  EXPECT_EQ(call.args[2].AsString(), "3");
  EXPECT_EQ(BindCall(kMembers, "read", DISPATCH_PROPERTYGET, {}, {}).member, 0u);
}

TEST(AutomationMember, CallsThatDoNotFitTheMemberAreRefused) {
  EXPECT_EQ(Refusal(DISPATCH_PROPERTYGET, {Variant(1)}, {}), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Refusal(DISPATCH_PROPERTYPUT, {Variant(1)}, {}), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Refusal(kLateBound, {}, {}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Refusal(kLateBound, {}, {{"Second", Variant(2)}}), DISP_E_BADPARAMCOUNT) << "First is required";
  EXPECT_EQ(Refusal(kLateBound, {Variant(1), Variant(2), Variant(3), Variant(4)}, {}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Refusal(kLateBound, {Variant(1)}, {{"Fourth", Variant(4)}}), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(Refusal(kLateBound, {Variant(1)}, {{"first", Variant(1)}}), DISP_E_PARAMNOTFOUND) << "given twice";
  EXPECT_EQ(Refusal(kLateBound, {}, {{"First", Variant(1)}, {"Third", Variant(3)}}), S_OK);
  EXPECT_THROW(BindCall(kMembers, "Write", kLateBound, {}, {}), EOleError);
}

TEST(AutomationMember, ArgumentConversionsRefuseWithATypeMismatch) {
  EXPECT_EQ(TextArgument(Variant(12)), "12");
  EXPECT_TRUE(BooleanArgument(Variant("true")));
  for (const Variant& bad : {Null(), VarAsError(2042)}) {
    try {
      TextArgument(bad);
      ADD_FAILURE();
    } catch (const EOleSysError& e) {
      EXPECT_EQ(e.ErrorCode(), DISP_E_TYPEMISMATCH);
    }
  }
  EXPECT_THROW(BooleanArgument(Variant("maybe")), EOleSysError);
}

}  // namespace
