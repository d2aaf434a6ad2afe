// Small helpers of the regular-expression tests: compiling from a text, feeding a text character
// by character, and the errors of a compile that must fail.
#pragma once

#include <string>
#include <vector>

#include "controls/editors/kx_reg_expr.h"

// Compiles Expression (raises as Compile does).
void CompileText(TkxRegExpr& Expr, const std::string& Expression);

// Feeds Text with Advance, one character at a time; answers the characters taken, as handed back.
std::string FeedText(TkxRegExpr& Expr, const std::string& Text);

// The full texts of the errors a compile of Expression raises; empty when it compiles.
std::vector<std::string> CompileErrors(const std::string& Expression);
