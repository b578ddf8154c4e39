# Release builds carry the hardening Debian's own flags leave out: stack clash protection on every
# architecture, and control-flow protection (Intel CET's endbr64 landing pads and shadow-stack
# notes on amd64 and i386, branch protection on arm64), each only where the compiler takes it.
# The ELF files are not marked CET-compatible: the C library's start files carry no such mark, and
# the linker is not forced to set it.
include(CheckCXXCompilerFlag)
set(_merovane_hardening -fstack-clash-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
  list(APPEND _merovane_hardening -fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  list(APPEND _merovane_hardening -mbranch-protection=standard)
endif()
foreach(_flag IN LISTS _merovane_hardening)
  string(MAKE_C_IDENTIFIER "MEROVANE_CXX_HAS${_flag}" _known)
  check_cxx_compiler_flag(${_flag} ${_known})
  if(${_known})
    string(APPEND CMAKE_CXX_FLAGS_RELEASE " ${_flag}")
  endif()
endforeach()
