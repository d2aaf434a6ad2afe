// TPersistent: objects that can be assigned to each other and streamed.
//
// Assign(Source) asks Source to assign itself (AssignTo) when the destination does not know the
// source's class; when neither does, EConvertError "Cannot assign a TX to a TY" is raised.
// DefineProperties lets a class stream data that is not a published property (filer.h).
#pragma once

#include <string>

#include "platform/classes/object.h"

class TFiler;
class TReader;
class TWriter;

class TPersistent : public TObject {
  PR_CLASS(TPersistent, TObject)

 public:
  TPersistent() = default;
  virtual void Assign(TPersistent* Source);
  // "Form1.Button1.Font"-like path of this object, for messages and designers.
  virtual std::string GetNamePath() const;

 protected:
  virtual void AssignTo(TPersistent* Dest);
  virtual void DefineProperties(TFiler* Filer);
  virtual TPersistent* GetOwner() const { return nullptr; }
  [[noreturn]] void AssignError(TPersistent* Source);

  friend class TReader;
  friend class TWriter;
};
