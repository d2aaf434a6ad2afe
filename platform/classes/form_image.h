// Form images: the component streams that give a form or data module class its components and
// property values, embedded at build time as RCDATA resources named after the class
// (pr_embed_resource(<target> RCDATA TMYFORM my_form.form)).  The project keeps them as text forms
// in the source tree; they are converted to the binary form when read.
//
// InitInheritedComponent reads into Instance the images of its class and of each ancestor class
// below RootAncestor, the oldest first, so an inherited form gets its ancestor's components and
// then its own changes.  It answers whether any image was found.
#pragma once

#include <string_view>

#include "platform/classes/object.h"

class TComponent;
class TStream;

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
// Reads the component stream (binary or text) named ResName into Instance; false when there is no
// such resource.
bool ReadComponentRes(std::string_view ResName, TComponent* Instance);
// Reads a component stream in either form from Stream's position.
TComponent* ReadComponentAnyForm(TStream* Stream, TComponent* Instance);
