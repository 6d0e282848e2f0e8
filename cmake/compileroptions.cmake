add_compile_options(-Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)

if(VELUMBRA_SANITIZE)
    set(VELUMBRA_SANITIZER_FLAGS
        -fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${VELUMBRA_SANITIZER_FLAGS})
    add_link_options(${VELUMBRA_SANITIZER_FLAGS})
    # Sanitized code at -O0 makes the numeric tests needlessly slow.
    add_compile_options($<$<CONFIG:Debug>:-O1>)
endif()

# Every library is instrumented for libFuzzer; the targets link its driver.
if(VELUMBRA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VELUMBRA_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(VELUMBRA_FUZZ_SANITIZERS
        -fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero
        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${VELUMBRA_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link -g)
    add_link_options(${VELUMBRA_FUZZ_SANITIZERS})
endif()
