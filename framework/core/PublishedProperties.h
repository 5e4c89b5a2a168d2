#pragma once
// Setting published properties at run time, by name, through the class tables the form
// reader uses: a value is checked and converted as it would be in a form resource.
#include <string>

#include "framework/core/ClassInfo.h"

namespace tmv {

// Whether the object's class publishes a property of that name (letter case ignored) that a
// value can be given to; sub-objects (Font) and obsolete names do not count.
bool IsPublishedProperty(const TObject& object, const std::string& name);

// Gives the property the value and answers true; answers false, changing nothing, when the
// class does not publish it. A value of the wrong shape raises EPropertyError naming the
// property. Component and method names are looked up at once among the components and
// published methods of the object's owner (of the object itself when it has none).
bool SetPublishedProperty(TObject& object, const std::string& name, const TPropValue& value);

}  // namespace tmv
