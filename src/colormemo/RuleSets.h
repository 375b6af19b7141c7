#pragma once

#include "ColorRule.h"

// The colouring rules of the HTML document window's editor: 15 rules, replacing any rules the
// collection held.
void FillHtmlRules(TDrawRules &rules);

// The colouring rules of the CSS document window's editor: 4 rules, replacing any rules the
// collection held.
void FillCssRules(TDrawRules &rules);
