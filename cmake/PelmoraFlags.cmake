# Compiler and linker settings shared by every target of ours, in every build.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(WIN32)
  # Fully static: a runtime DLL beside an elevated exe could be planted.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

# clang knows no execution character set but UTF-8, so a target that clang builds (the fuzz
# build) must hold no text whose bytes would depend on it: its sources and the headers of ours
# that they include are plain ASCII, which is the same bytes in UTF-8 and in code page 936.
function(pelmora_require_ascii_sources target)
  get_target_property(pending ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(checked "")
  while(pending)
    list(POP_FRONT pending file)
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${source_dir} NORMALIZE)
    if(file IN_LIST checked OR NOT EXISTS ${file})
      continue()
    endif()
    list(APPEND checked ${file})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})  # check each edit
    file(READ ${file} hex HEX)
    # Keep the high digit of each byte: a byte of 0x80 or more has 8 to f there.
    string(REGEX REPLACE "(.)." "\\1" high_digits "${hex}")
    if(high_digits MATCHES "[89a-f]")
      message(FATAL_ERROR "${file} holds non-ASCII bytes; ${target} is built by clang, which "
                          "would store its texts as UTF-8 instead of code page 936")
    endif()
    # Our headers are named from the top of the tree ("core/text.h").
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "${PROJECT_SOURCE_DIR}/\\1" header "${line}")
      list(APPEND pending ${header})
    endforeach()
  endwhile()
endfunction()

# pelmora_defaults(target): warnings, the code page of our texts, hardening.
function(pelmora_defaults target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    pelmora_require_ascii_sources(${target})
  else()
    # Every literal becomes CP936 bytes: the program speaks the ANSI ("A") Windows API.
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP936)
  endif()
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wformat=2 -Werror=format-security
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
  if(WIN32)
    # Optimised for size: nothing here is bound by the processor, and a small exe starts sooner.
    # Each function in its own section, so that the linker drops what nobody calls.
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections
                                             -fstack-protector-strong -D_FORTIFY_SOURCE=2)
    # The stack protector's runtime (libssp) is linked statically too.
    target_link_options(${target} PRIVATE -fstack-protector-strong -Wl,--gc-sections -Wl,--dynamicbase,--nxcompat,--tsaware)
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
