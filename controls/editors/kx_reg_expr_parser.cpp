#include "controls/editors/kx_reg_expr_parser.h"

#include <algorithm>

#include "controls/editors/kx_reg_expr_texts.h"

namespace {

// Thrown by Reserve to end the parse; never leaves the parser.
struct TkxParseEnded {};

// The optional tail of braces with an upper bound: Count more copies of Item, each optional once
// the one before it is there, so "x{2,4}" ends in "(xx?)?".  Built from the innermost copy out.
std::unique_ptr<TkxRegExprParserItem> OptionalTail(const TkxRegExprParserItem& Item, Integer Count) {
  std::unique_ptr<TkxRegExprParserItem> tail = Item.Copy();
  tail->ReplaceQuantifier(QuantifierOf<TkxRegExprQuestionQuantifier>());
  for (Integer i = 1; i < Count; ++i) {
    auto block = std::make_unique<TkxRegExprParserBlockItem>(Item.Line(), Item.Column());
    TkxRegExprParserAlt& sequence = block->Alts().Add();
    sequence.Items.push_back(Item.Copy());
    sequence.Items.push_back(std::move(tail));
    block->ReplaceQuantifier(QuantifierOf<TkxRegExprQuestionQuantifier>());
    block->Close();
    tail = std::move(block);
  }
  return tail;
}

// The states Item{Min,Max} makes (Max ignored when Unbounded).
Int64 RepeatStateCount(const TkxRegExprParserItem& Item, Integer Min, Integer Max, bool Unbounded) {
  const Int64 size = Item.StateCount();
  const Int64 tail = Max - Min;
  Int64 count = 2 + Min * size;
  if (Unbounded) count += size;
  else if (tail > 0) count += tail * size + 2 * (tail - 1);
  return count;
}

// The nesting height of Item{Min,Max}: its block, around the copies and the optional tail.
Integer RepeatHeight(const TkxRegExprParserItem& Item, Integer Min, Integer Max, bool Unbounded) {
  Integer inner = 0;
  if (Min > 0 || Unbounded) inner = Item.Height();
  if (!Unbounded && Max > Min) inner = Item.Height() + (Max - Min - 1);
  return inner + 1;
}

std::unique_ptr<TkxRegExprItem> ClassItem(TkxLexemCode Code) {
  switch (Code) {
    case lcAnyChar: return std::make_unique<TkxRegExprAll>();
    case lcIdLetter: return std::make_unique<TkxRegExprIdLetter>(false);
    case lcNotIdLetter: return std::make_unique<TkxRegExprIdLetter>(true);
    case lcDigit: return std::make_unique<TkxRegExprDigit>(false);
    case lcNotDigit: return std::make_unique<TkxRegExprDigit>(true);
    case lcSpace: return std::make_unique<TkxRegExprSpace>(false);
    case lcNotSpace: return std::make_unique<TkxRegExprSpace>(true);
    case lcDateSeparator: return std::make_unique<TkxRegExprDateSeparator>();
    case lcTimeSeparator: return std::make_unique<TkxRegExprTimeSeparator>();
    default: return nullptr;
  }
}

// The item a lexem stands for inside brackets: a class, a separator, or a symbol of its first
// character.
std::unique_ptr<TkxRegExprItem> EnumerationMember(const TkxLexem& Lexem) {
  if (auto item = ClassItem(Lexem.Code)) return item;
  return std::make_unique<TkxRegExprSymbol>(Lexem.Value[0]);
}

}  // namespace

std::unique_ptr<TkxRegExprParserAlts> TkxRegExprParser::Run() {
  auto alts = std::make_unique<TkxRegExprParserAlts>();
  try {
    while (ParseAlternative(alts->Add(), 0) == TkxAltEnd::Bar) {
    }
  } catch (const TkxParseEnded&) {
  }
  return alts;
}

void TkxRegExprParser::Error(const TkxLexem& Lexem, PResStringRec Text, const std::string& Argument) {
  errors_.Add(Lexem.Line, Lexem.Column, Text, Argument);
}

void TkxRegExprParser::Reserve(Int64 Count, const TkxLexem& Lexem) {
  if (statesMade_ + Count > MaxStates) {
    Error(Lexem, &sRegExprTooLarge);
    throw TkxParseEnded{};
  }
  statesMade_ += Count;
}

bool TkxRegExprParser::NestingFits(Integer Depth, Integer Height, const TkxLexem& Lexem) {
  if (Depth + Height <= MaxBlockNesting) return true;
  Error(Lexem, &sRegExprNestedTooDeeply);
  return false;
}

TkxRegExprParser::TkxAltEnd TkxRegExprParser::ParseAlternative(TkxRegExprParserAlt& Alt, Integer Depth) {
  if (AtEnd()) {
    errors_.Add(0, 0, &sRegExprEmptyAlternative);
    return TkxAltEnd::End;
  }
  if (Peek().IsSpecial('|')) {
    Error(Next(), &sRegExprEmptyAlternative);
    return TkxAltEnd::Bar;
  }
  if (Depth > 0 && Peek().IsSpecial(')')) {
    Error(Next(), &sRegExprEmptyBlock);
    return TkxAltEnd::Close;
  }
  while (!AtEnd()) {
    const TkxLexem& lexem = Next();
    if (lexem.IsSpecial('|')) return TkxAltEnd::Bar;
    if (lexem.IsSpecial(')') && Depth > 0) return TkxAltEnd::Close;
    ParseLexem(Alt, lexem, Depth);
  }
  return TkxAltEnd::End;
}

void TkxRegExprParser::ParseLexem(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth) {
  switch (Lexem.Code) {
    case lcLiteral:
      AddSimpleItem(Alt, std::make_unique<TkxRegExprSymbol>(Lexem.Value[0]), Lexem);
      return;
    case lcInteger:
      Error(Lexem, &sRegExprIllegalInteger);
      return;
    case lcBackReference:
      AddBackReference(Alt, Lexem, Depth);
      return;
    case lcSpecial:
      break;
    default:
      AddSimpleItem(Alt, ClassItem(Lexem.Code), Lexem);
      return;
  }
  switch (Lexem.Value[0]) {
    case '(': Alt.Items.push_back(ParseBlock(Lexem, Depth)); break;
    case '[': ParseEnumeration(Alt, Lexem); break;
    case '*': case '+': case '?': ApplyQuantifier(Alt, Lexem, Depth); break;
    case '{': ApplyParameterQuantifier(Alt, Lexem, Depth); break;
    default: Error(Lexem, &sRegExprIllegal, Lexem.Value); break;   // ")" at the top, "-", "]", "}", ","
  }
}

void TkxRegExprParser::AddSimpleItem(TkxRegExprParserAlt& Alt, std::unique_ptr<TkxRegExprItem> Item,
                                     const TkxLexem& Lexem) {
  Reserve(1, Lexem);
  Alt.Items.push_back(std::make_unique<TkxRegExprParserSimpleItem>(
      std::make_unique<TkxRegExprSimpleState>(std::move(Item)), Lexem.Line, Lexem.Column));
}

std::unique_ptr<TkxRegExprParserItem> TkxRegExprParser::ParseBlock(const TkxLexem& Open, Integer Depth) {
  Reserve(2, Open);
  auto block = std::make_unique<TkxRegExprParserBlockItem>(Open.Line, Open.Column);
  blocks_.push_back(block.get());
  while (ParseAlternative(block->Alts().Add(), Depth + 1) == TkxAltEnd::Bar) {
  }
  block->Close();
  return block;
}

void TkxRegExprParser::ParseEnumeration(TkxRegExprParserAlt& Alt, const TkxLexem& Open) {
  bool inverse = false;
  if (!AtEnd() && Peek().IsSpecial('^')) {
    inverse = true;
    ++next_;
  }
  if (!AtEnd() && Peek().IsSpecial(']')) {
    Error(Next(), &sRegExprEmptyEnumeration);
    return;
  }
  std::vector<std::unique_ptr<TkxRegExprItem>> members;
  while (!AtEnd()) {
    const TkxLexem& lexem = Next();
    if (lexem.IsSpecial(']')) break;
    if (lexem.IsSpecial('-')) {
      Error(lexem, &sRegExprIllegal, "-");   // a "-" right after a range
      continue;
    }
    if (AtEnd() || !Peek().IsSpecial('-')) {
      members.push_back(EnumerationMember(lexem));
      continue;
    }
    ++next_;   // the "-"; the lexer never puts "]" or the end right after a special "-"
    const TkxLexem& last = Next();
    const auto first = static_cast<unsigned char>(lexem.Value[0]);
    if (first < static_cast<unsigned char>(last.Value[0])) {
      members.push_back(std::make_unique<TkxRegExprSubrange>(lexem.Value[0], last.Value[0]));
    } else {
      Error(lexem, &sRegExprSubrangeOrder);
    }
  }
  AddSimpleItem(Alt, std::make_unique<TkxRegExprUserEnumeration>(inverse, std::move(members)), Open);
}

void TkxRegExprParser::AddBackReference(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth) {
  const auto number = static_cast<std::size_t>(Lexem.Value[0] - '0');
  if (number > blocks_.size()) {
    Error(Lexem, &sRegExprReferenceTooBig);
    return;
  }
  TkxRegExprParserBlockItem& block = *blocks_[number - 1];
  block.Close();   // it may still be open: measure what it holds now
  if (!NestingFits(Depth, block.Height(), Lexem)) return;
  Reserve(block.StateCount(), Lexem);
  Alt.Items.push_back(block.Copy());
}

void TkxRegExprParser::ApplyQuantifier(TkxRegExprParserAlt& Alt, const TkxLexem& Lexem, Integer Depth) {
  if (Alt.Items.empty()) {
    Error(Lexem, &sRegExprIllegalQuantifier, Lexem.Value);
    return;
  }
  const TkxRegExprQuantifier* quantifier = QuantifierOf<TkxRegExprQuestionQuantifier>();
  if (Lexem.Value[0] == '*') quantifier = QuantifierOf<TkxRegExprStarQuantifier>();
  if (Lexem.Value[0] == '+') quantifier = QuantifierOf<TkxRegExprPlusQuantifier>();
  std::unique_ptr<TkxRegExprParserItem>& item = Alt.Items.back();
  if (quantifier->Repeatable() && item->MayBeEmpty()) {
    Error(Lexem, Lexem.Value[0] == '*' ? &sRegExprStarNotApplicable : &sRegExprPlusNotApplicable);
    return;
  }
  if (!item->HasQuantifier()) {
    item->ReplaceQuantifier(quantifier);
    return;
  }
  // A second quantifier applies to a block around the item and its first one.
  if (!NestingFits(Depth, item->Height() + 1, Lexem)) return;
  Reserve(2, Lexem);
  auto block = std::make_unique<TkxRegExprParserBlockItem>(Lexem.Line, Lexem.Column);
  block->Alts().Add().Items.push_back(std::move(item));
  block->ReplaceQuantifier(quantifier);
  block->Close();
  item = std::move(block);
}

void TkxRegExprParser::ApplyParameterQuantifier(TkxRegExprParserAlt& Alt, const TkxLexem& Open, Integer Depth) {
  Integer min = 0;
  Integer max = 0;
  bool unbounded = false;
  if (Alt.Items.empty()) {
    Error(Open, &sRegExprIncorrectParameter);
    SkipPastBrace();
    return;
  }
  if (!ReadRepeatCounts(Open, min, max, unbounded)) return;
  std::unique_ptr<TkxRegExprParserItem>& item = Alt.Items.back();
  // Refused after "?" and "*"; without an upper bound also on any item that can be empty,
  // whose copies would make a loop of connectors.
  if (item->Optional() || (unbounded && item->MayBeEmpty())) {
    Error(Open, &sRegExprParameterNotApplicable);
    return;
  }
  if (!NestingFits(Depth, RepeatHeight(*item, min, max, unbounded), Open)) return;
  Reserve(RepeatStateCount(*item, min, max, unbounded), Open);
  auto block = std::make_unique<TkxRegExprParserBlockItem>(Open.Line, Open.Column);
  TkxRegExprParserAlt& sequence = block->Alts().Add();
  for (Integer i = 0; i < min; ++i) sequence.Items.push_back(item->Copy());
  if (unbounded) {
    sequence.Items.push_back(item->Copy());
    sequence.Items.back()->ReplaceQuantifier(QuantifierOf<TkxRegExprStarQuantifier>());
  } else if (max > min) {
    sequence.Items.push_back(OptionalTail(*item, max - min));
  }
  block->Close();
  replaced_.push_back(std::move(item));
  item = std::move(block);
}

bool TkxRegExprParser::ReadRepeatCounts(const TkxLexem& Open, Integer& Min, Integer& Max, bool& Unbounded) {
  // The lexer closes every brace, so a "}" ends the lexems that follow "{".
  const TkxLexem* bad = &Open;
  if (!AtEnd() && ReadCount(Peek(), Min)) {
    ++next_;
    if (!AtEnd() && Peek().IsSpecial('}')) {
      ++next_;
      Max = Min;
      return true;
    }
    if (!AtEnd() && Peek().IsSpecial(',')) {
      ++next_;
      if (!AtEnd() && Peek().IsSpecial('}')) {
        ++next_;
        Unbounded = true;
        return true;
      }
      if (!AtEnd() && ReadCount(Peek(), Max) && Max >= Min) {
        ++next_;
        if (!AtEnd() && Peek().IsSpecial('}')) {
          ++next_;
          return true;
        }
      }
    }
  }
  if (!AtEnd()) bad = &Peek();
  Error(*bad, &sRegExprIncorrectParameter);
  SkipPastBrace();
  return false;
}

bool TkxRegExprParser::ReadCount(const TkxLexem& Lexem, Integer& Count) const {
  if (Lexem.Code != lcInteger) return false;
  Integer value = 0;
  for (char digit : Lexem.Value) {
    value = value * 10 + (digit - '0');
    if (value > MaxRepeatCount) return false;
  }
  Count = value;
  return true;
}

void TkxRegExprParser::SkipPastBrace() {
  while (!AtEnd() && !Next().IsSpecial('}')) {
  }
}
