#include "platform/classes/string_stream.h"

#include <algorithm>
#include <cstring>

#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TStringStream)

std::size_t TStringStream::Available(Integer Count) const {
  const Int64 left = static_cast<Int64>(data_.size()) - position_;
  return static_cast<std::size_t>(std::clamp<Int64>(left, 0, std::max(Count, 0)));
}

Integer TStringStream::Read(void* Buffer, Integer Count) {
  const std::size_t n = Available(Count);
  std::memcpy(Buffer, data_.data() + position_, n);
  position_ += static_cast<Int64>(n);
  return static_cast<Integer>(n);
}

Integer TStringStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  const auto end = static_cast<std::size_t>(position_ + Count);
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + position_, Buffer, static_cast<std::size_t>(Count));
  position_ += Count;
  return Count;
}

Int64 TStringStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  const Int64 base = Origin == soBeginning ? 0 : Origin == soCurrent ? position_ : Size();
  // Compared before adding, so no Offset can overflow.
  position_ = Offset >= Size() - base ? Size() : Offset <= -base ? 0 : base + Offset;
  return position_;
}

void TStringStream::SetSize(Int64 NewSize) {
  data_.resize(static_cast<std::size_t>(std::max<Int64>(NewSize, 0)));
  position_ = std::min(position_, Size());
}

std::string TStringStream::ReadString(Integer Count) {
  std::string s(Available(Count), '\0');
  Read(s.data(), static_cast<Integer>(s.size()));
  return s;
}

void TStringStream::WriteString(const std::string& AString) {
  Write(AString.data(), static_cast<Integer>(AString.size()));
}
