// The text form of component streams, to and from the binary form ("TPF0"):
//
//   object Form1: TForm1            (inherited / inline for the filer flags, " [n]" child position)
//     Caption = 'Code'#13#10'Two'   (strings: quoted runs and #n codes, split with " +" past 64)
//     Width = 64                    (integers)         Ratio = 0.1      (floats: "." always)
//     Scale = 0.1s  Price = -12345.6789 as -123456789c  Stamp = 46000.75d
//     Align = alClient              (identifiers; True / False / nil / Null)
//     Style = [fsBold, fsItalic]    (sets)             Items.Strings = ( 'a' 'b' )  (lists)
//     Data = { 0A0B... }            (binary, 32 bytes a line)
//     Columns = < item Width = 64 end >                (collections; "item [n]" with an order)
//     object Button1: TButton ... end                  (children)
//   end
//
// Numbers are written with "." as decimal separator whatever the locale, with the fewest digits
// that read back exactly (floats and doubles through <charconv>, 80-bit values through the
// extended80 text codec; none of them looks at the regional settings).  Currency is written as
// its count of ten-thousandths.  8-bit strings keep their code page 874 bytes inside quotes;
// wide strings write every character above 127 as #n.  Text written by ObjectBinaryToText reads
// back to the same bytes.  Each call converts one object and leaves both streams after it.
#pragma once

#include "platform/classes/type_info.h"

class TStream;

PR_ENUM(TStreamOriginalFormat, sofUnknown, sofBinary, sofText)

void ObjectBinaryToText(TStream* Input, TStream* Output);
void ObjectTextToBinary(TStream* Input, TStream* Output);
// Looks at the next bytes of Stream without moving it.
TStreamOriginalFormat TestStreamFormat(TStream* Stream);
