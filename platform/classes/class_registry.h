// The class registry: classes a component stream may name, found by class name.
//
// RegisterClass registers a class and its ancestors (up to TPersistent); registering a different
// class under a name already taken raises EFilerError "A class named TX already exists".  Names
// are matched ignoring ASCII case.  Thread-safe.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/classes/object.h"

void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> AClasses);
void RegisterClassAlias(TClass AClass, std::string_view Alias);
void UnRegisterClass(TClass AClass);
void UnRegisterClasses(std::initializer_list<TClass> AClasses);
// nullptr when no class of that name is registered.
TClass GetClass(std::string_view AClassName);
// EClassNotFound "Class TX not found" when no class of that name is registered.
TClass FindClass(std::string_view ClassName);
