#pragma once

class TColorMemo;

// The colour editor as the HTML document window sets it up: gutter of 80 pixels with line
// numbers in the font colour and a raised edge, print margins 100 with centred header and
// footer, cut/copy and text dragging allowed, tab stops 32, no word wrap, both scroll bars, the
// HTML rule set.
void ApplyHtmlWindowSettings(TColorMemo &memo);

// The colour editor as the CSS document window sets it up: as the HTML window's, with a gutter
// of 40 pixels and the CSS rule set.
void ApplyCssWindowSettings(TColorMemo &memo);
