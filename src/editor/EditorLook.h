#pragma once

class QsciScintilla;

// How the editor shows text, display only: C colours for every kind of document from one
// table of shades for light and dark backgrounds, the fixed-pitch font, line numbers and brace
// matching. Applied again when the palette changes.
void applyEditorLook(QsciScintilla& editor);

// Sizes the line-number margin to the widest line number; cheap when nothing changed.
void fitLineNumberMargin(QsciScintilla& editor);
