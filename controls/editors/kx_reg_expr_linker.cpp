#include "controls/editors/kx_reg_expr_linker.h"

void TkxRegExprLinker::Link(TkxRegExprSimpleState& Start, TkxRegExprParserAlts& Alts) {
  for (Integer i = 0; i < Alts.Count(); ++i) {
    TkxRegExprParserAlt& alt = Alts.Items(i);
    if (TkxRegExprState* entry = LinkSequence(alt)) Start.Link(entry);
    if (alt.AllMayBeEmpty()) Start.MarkFinal();
    alt.MarkFinal();
  }
}

TkxRegExprState* TkxRegExprLinker::LinkSequence(TkxRegExprParserAlt& Alt) {
  // From the last item back: `approach` is the state through which the items after the current
  // one are entered.
  TkxRegExprState* approach = nullptr;
  for (auto it = Alt.Items.rbegin(); it != Alt.Items.rend(); ++it) {
    TkxRegExprParserItem& item = **it;
    if (auto* block = dynamic_cast<TkxRegExprParserBlockItem*>(&item)) LinkBlock(*block);
    if (approach != nullptr) item.Exit()->Link(approach);
    if (item.Repeatable()) item.Exit()->Link(item.Entry());
    if (!item.Optional() || approach == nullptr) {
      approach = item.Entry();
      continue;
    }
    auto skip = std::make_unique<TkxRegExprBlockState>();
    skip->Link(item.Entry());
    skip->Link(approach);
    approach = connectors_.emplace_back(std::move(skip)).get();
  }
  return approach;
}

void TkxRegExprLinker::LinkBlock(TkxRegExprParserBlockItem& Block) {
  bool someAltOptional = false;
  for (Integer i = 0; i < Block.Alts().Count(); ++i) {
    TkxRegExprParserAlt& alt = Block.Alts().Items(i);
    if (TkxRegExprState* entry = LinkSequence(alt)) Block.Entry()->Link(entry);
    someAltOptional = someAltOptional || alt.AllOptional();
    for (auto it = alt.Items.rbegin(); it != alt.Items.rend(); ++it) {
      (*it)->Exit()->Link(Block.Exit());
      if (!(*it)->Optional()) break;
    }
  }
  if (someAltOptional) Block.Entry()->Link(Block.Exit());
}
