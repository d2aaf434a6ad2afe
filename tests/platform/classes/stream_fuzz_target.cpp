#include "stream_fuzz_target.h"

#include <memory>

#include "platform/classes/memory_stream.h"
#include "platform/classes/object_text.h"
#include "platform/classes/reader.h"
#include "platform/core/exceptions.h"
#include "test_components.h"

namespace {

void LoadInto(TMemoryStream& stream, const std::uint8_t* data, std::size_t size) {
  stream.WriteBuffer(data, static_cast<Integer>(size));
  stream.SetPosition(0);
}

template <class Body>
void ExpectOnlyLibraryErrors(Body body) {
  try {
    body();
  } catch (const Exception&) {
    // the expected outcome for almost every input
  }
}

}  // namespace

void ReadUntrustedComponentStream(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (RegisterTestClasses(), true);
  (void)registered;
  for (bool handleErrors : {false, true}) {
    ExpectOnlyLibraryErrors([&] {
      TMemoryStream stream;
      LoadInto(stream, data, size);
      TReader reader(&stream, 64);
      if (handleErrors) reader.OnError = [](TReader*, const std::string&, bool& handled) { handled = true; };
      std::unique_ptr<TComponent> root(reader.ReadRootComponent(nullptr));
    });
  }
  ExpectOnlyLibraryErrors([&] {
    TMemoryStream in, out;
    LoadInto(in, data, size);
    ObjectBinaryToText(&in, &out);
  });
  ExpectOnlyLibraryErrors([&] {
    TMemoryStream in, out;
    LoadInto(in, data, size);
    ObjectTextToBinary(&in, &out);
  });
}
