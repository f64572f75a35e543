# Cross-compiles the core (the gas, the measurements and the C interface) to
# WebAssembly with Debian's clang and lld: the wasm32 libc++ and wasi-libc
# packages give the standard library. Used as
#   cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake
set(CMAKE_SYSTEM_NAME WASI)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}) # Platform/WASI.cmake
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_SYSTEM_VERSION 1)

set(MOLVIX_LLVM_SUFFIX "-14" CACHE STRING "Suffix of the clang and lld commands")
set(triple wasm32-wasi)
set(CMAKE_C_COMPILER clang${MOLVIX_LLVM_SUFFIX})
set(CMAKE_CXX_COMPILER clang++${MOLVIX_LLVM_SUFFIX})
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_AR llvm-ar${MOLVIX_LLVM_SUFFIX} CACHE FILEPATH "")
set(CMAKE_RANLIB llvm-ranlib${MOLVIX_LLVM_SUFFIX} CACHE FILEPATH "")

# Debian puts wasi-libc's headers and libraries under the multiarch names of
# /usr, and libc++'s headers beside clang's own.
set(CMAKE_SYSROOT /usr)
set(wasi_include /usr/include/wasm32-wasi)
set(wasi_lib /usr/lib/wasm32-wasi)
set(libcxx_include /usr/lib/llvm${MOLVIX_LLVM_SUFFIX}/include/wasm32-wasi/c++/v1)

# No exceptions or threads in the core.
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem ${libcxx_include} -isystem ${wasi_include} -fno-exceptions -msimd128")
set(CMAKE_C_FLAGS_INIT "-isystem ${wasi_include}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${wasi_lib} -nostdlib++ -Wno-unused-command-line-argument")

# Only the cross tree's own files are searched for libraries and headers.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
