#pragma once
// Reads a form resource: the components of a form and their property values, as text.
//
// The text (GBK bytes in the program; the *.form sources are UTF-8 and converted when the
// program is built) describes one root object and the objects nested in it:
//
//   object FormMorvane: TFormMorvane
//     Left = 342
//     Caption = "TalvexMorvane V2.5(文件图标提取器)"
//     BorderIcons = []
//     Font.Name = "Arial"
//     Font.Style = [fsBold, fsItalic]
//     Color = clBtnFace
//     Items = ("图标", "图片")
//     Caption2 = "line1" #13#10 "line2"
//     Glyph.Data = { 424D 3604 ... }
//     OnClick = BTNSelFileClick
//     SkinData = spSkinData1
//     object spSkinPanel1: TspSkinPanel
//       ...
//     end
//   end
//
// Tokens are separated by blanks and line breaks, which carry no meaning of their own.
// Values:
// - integer: decimal digits with an optional sign, or "$" and hexadecimal digits (a sign
//   may precede the "$");
// - string: one or more parts written next to each other: "text in double quotes", in which
//   a double quote is written twice and nothing else is special (a GBK trail byte may be
//   0x5C, so there are no backslash escapes), or #NN, the character with decimal code NN
//   (#$NN in hexadecimal), 0 to 255. A quoted part ends on its own line;
// - identifier: an enumeration value, a colour (clBtnFace), True or False, a component name
//   (a reference, resolved once the whole text is read; nil for none) or a published method
//   of the root (an event); "object" and "end" are words of the format, not values;
// - set: [] or [name, name, ...];
// - string list: () or ("text", "text", ...), each item a string as above;
// - binary: { hexadecimal digits }, blanks and line breaks allowed between them. In a
//   *.form source, @include "path" (relative to the source) stands for the braces holding
//   that file's bytes; the build expands it.
// A property name with dots (Font.Name) sets a property of a sub-object (a font, a glyph).
// A name the class declares obsolete (prop::Obsolete) is read with its value and ignored; a
// name the class does not know at all is an error.
//
// Reading: the first object names the root, which exists already (its constructor runs
// the reading) and must be of the class named. Nested objects are created through the
// class registry with the root as owner, named, stored in the root's published field of
// that name if there is one, and given the enclosing object as parent component before
// their properties are read. Every component, the root too, is in the loading state until
// the text is read and references are resolved; then Loaded() is called on each in
// creation order, the root last.
//
// Errors raise EReadError, EClassNotFound or EPropertyError, whose message gives the line
// ("Line 12: class TFoo not found"). The components created by the failed reading are freed
// and the root's fields that named them are cleared; the root itself is the caller's.
#include <string>

#include "framework/core/Component.h"
#include "framework/core/Streams.h"

namespace tmv {

void ReadComponentText(TComponent& root, const std::string& text);
// Reads the text from the stream's position to its end.
void ReadComponent(TComponent& root, TStream& stream);

}  // namespace tmv
