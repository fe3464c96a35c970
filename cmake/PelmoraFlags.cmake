# Compiler and linker settings shared by every target of ours, in all three builds.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(WIN32)
  # Fully static: a runtime DLL beside an elevated exe could be planted.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

# pelmora_defaults(target): warnings, the code page of our texts, hardening.
function(pelmora_defaults target)
  # Every literal becomes CP936 bytes: the program speaks the ANSI ("A") Windows API.
  target_compile_options(${target} PRIVATE
    -finput-charset=UTF-8 -fexec-charset=CP936
    -Wall -Wextra -Wformat=2 -Werror=format-security
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
  if(WIN32)
    target_compile_options(${target} PRIVATE -O2 -fstack-protector-strong -D_FORTIFY_SOURCE=2)
    # The stack protector's runtime (libssp) comes in with the link, statically.
    target_link_options(${target} PRIVATE -fstack-protector-strong -Wl,--dynamicbase,--nxcompat,--tsaware)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      # i686 GCC unwinds with DWARF tables, so the image holds no SEH handlers.
      target_link_options(${target} PRIVATE -Wl,--no-seh,--large-address-aware)
    else()
      target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
    endif()
  elseif(PELMORA_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
