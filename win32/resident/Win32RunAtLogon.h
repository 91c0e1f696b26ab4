// The value "Ilvorande" of the user's Run key, through advapi32.
#pragma once

#include "core/resident/RunAtLogon.h"

namespace ilvorande {

class Win32RunAtLogon final : public RunAtLogon {
 public:
  std::optional<std::string> ReadValue() override;
  void WriteValue(std::string_view data) override;
  void DeleteValue() override;
};

}  // namespace ilvorande
