#include "platform/os/sys_error_text.h"

#include "platform/core/int_text.h"
#include "platform/core/win_errors.h"

std::string SysErrorMessage(DWORD errorCode) {
  switch (errorCode) {
    case ERROR_SUCCESS: return "The operation completed successfully";
    case ERROR_INVALID_FUNCTION: return "Incorrect function";
    case ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified";
    case ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified";
    case ERROR_TOO_MANY_OPEN_FILES: return "The system cannot open the file";
    case ERROR_ACCESS_DENIED: return "Access is denied";
    case ERROR_INVALID_HANDLE: return "The handle is invalid";
    case ERROR_NOT_ENOUGH_MEMORY: return "Not enough storage is available to process this command";
    case ERROR_INVALID_ACCESS: return "The access code is invalid";
    case ERROR_INVALID_DATA: return "The data is invalid";
    case ERROR_INVALID_DRIVE: return "The system cannot find the drive specified";
    case ERROR_WRITE_PROTECT: return "The media is write protected";
    case ERROR_NOT_READY: return "The device is not ready";
    case ERROR_SHARING_VIOLATION:
      return "The process cannot access the file because it is being used by another process";
    case ERROR_LOCK_VIOLATION:
      return "The process cannot access the file because another process has locked a portion of the file";
    case ERROR_HANDLE_EOF: return "Reached the end of the file";
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return "There is not enough space on the disk";
    case ERROR_NOT_SUPPORTED: return "The request is not supported";
    case ERROR_BAD_NETPATH: return "The network path was not found";
    case ERROR_FILE_EXISTS: return "The file exists";
    case ERROR_INVALID_PARAMETER: return "The parameter is incorrect";
    case ERROR_INVALID_NAME: return "The filename, directory name, or volume label syntax is incorrect";
    case ERROR_DIR_NOT_EMPTY: return "The directory is not empty";
    case ERROR_ALREADY_EXISTS: return "Cannot create a file when that file already exists";
    case ERROR_DIRECTORY: return "The directory name is invalid";
    default: return "System Error.  Code: " + IntToStr(static_cast<Int64>(errorCode));
  }
}
