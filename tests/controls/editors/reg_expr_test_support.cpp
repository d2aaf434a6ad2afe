#include "reg_expr_test_support.h"

#include "platform/classes/string_stream.h"

void CompileText(TkxRegExpr& Expr, const std::string& Expression) {
  TStringStream source(Expression);
  Expr.Compile(&source);
}

std::string FeedText(TkxRegExpr& Expr, const std::string& Text) {
  std::string taken;
  for (char ch : Text) {
    if (Expr.Advance(ch)) taken += ch;
  }
  return taken;
}

std::vector<std::string> CompileErrors(const std::string& Expression) {
  TkxRegExpr expr;
  std::vector<std::string> texts;
  try {
    CompileText(expr, Expression);
  } catch (const EkxRegExprError& error) {
    for (Integer i = 0; i < error.Errors().Count(); ++i) texts.push_back(error.Errors().Items(i).FullText());
  }
  return texts;
}
