// Names that screen readers (Narrator, NVDA) read for controls whose own text does not name
// them, given through the platform's Dynamic Annotation service.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace voice_types::win32 {

class AccessibleNames {
 public:
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  // S_OK, or why the system could not take the name.
  HRESULT Name(HWND control, std::string_view name);
  // Takes the names back; called while the controls still exist.
  void Clear();

 private:
  bool com_started_ = false;
  IAccPropServices* service_ = nullptr;
  std::vector<HWND> named_;
};

}  // namespace voice_types::win32
