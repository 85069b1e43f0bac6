# Each folder includes only its own headers and those of the layers below it, so no face
# includes another face's header. Run as: cmake -DSOURCE_DIR=... -P check_includes.cmake
set(allowed_calculators calculators)
set(allowed_window calculators window json record)
set(allowed_json json)
set(allowed_record calculators json record)
set(allowed_platform calculators platform)
set(allowed_replay calculators window json record platform replay)
set(allowed_cli calculators json record platform cli)
set(allowed_web calculators window json record web)
set(allowed_pdf calculators json record pdf)
set(allowed_ui calculators window platform record pdf ui)
# The program loads the window module by the entry point its header names, and links no more
# of it.
set(allowed_program calculators platform cli program ui/window_module.h)

# The fuzz targets and benchmarks drive the core; the tests of a folder include what the folder
# may, their own folder and the shared test support (the widget tests also the replay driver,
# which they compare the window with).
set(allowed_fuzz calculators window json record platform fuzz tests/support)
set(allowed_bench calculators window json record pdf cli replay bench)
set(allowed_tests/support calculators window json record platform replay tests/support)
set(folders calculators window json record platform replay cli web pdf ui program fuzz bench
    tests/support)
foreach(face calculators window json record platform replay cli web pdf ui program)
    set(allowed_tests/${face} ${allowed_${face}} tests/${face} tests/support)
    list(APPEND folders tests/${face})
endforeach()
list(APPEND allowed_tests/ui replay)

set(faults "")
foreach(folder IN LISTS folders)
    # Subfolders too (the checks under calculators/checks), which follow their folder's rule.
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
            if(NOT header MATCHES "/")
                continue() # beside the source
            endif()
            set(fits FALSE)
            foreach(prefix IN LISTS allowed_${folder})
                if(header STREQUAL prefix OR header MATCHES "^${prefix}/")
                    set(fits TRUE)
                endif()
            endforeach()
            if(NOT fits)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
                list(APPEND faults "${shown} includes ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n" faults)
    message(FATAL_ERROR "${faults}")
endif()
