// The engine's status globals and the classification of its error numbers.
#include "suite/isam/isam_status.h"

#include "suite/isam/isam_errors.h"

bool IsamLastOK = true;
Integer IsamErrorCode = 0;

Integer IsamErrorClass() {
  const Integer e = IsamErrorCode;
  if (e == 0) return 0;
  if (e == 9903 || (e >= 10200 && e <= 10299) || e == 10410) return 1;
  switch (e) {
    case 9900: case 10065: case 10110: case 10306: case 10330: case 10332: case 10335:
    case 10355: case 10360: case 10390: case 10397: case 10399:
      return 2;
    default:
      break;
  }
  if (e >= 10001 && e <= 10009) return 3;
  return 4;
}

void IsamClearStatus() {
  IsamLastOK = true;
  IsamErrorCode = 0;
}

bool IsamFail(Integer code) {
  if (IsamLastOK) {
    IsamLastOK = false;
    IsamErrorCode = code;
  }
  return false;
}

void IsamReplaceError(Integer from, Integer to) {
  if (!IsamLastOK && IsamErrorCode == from) IsamErrorCode = to;
}

void IsamForceError(Integer code) {
  IsamLastOK = false;
  IsamErrorCode = code;
}
