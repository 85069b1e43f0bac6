# The layers as the link graph has them: each check names a target and, as regular expressions,
# the libraries it must never link, directly or through any library it links. Included once
# every target is defined, so that a link against the wrong layer fails when the build is
# configured.

# Every library TARGET links, however indirectly; imported libraries (Qt's) are listed but not
# followed.
function(liftcalc_linked target out)
    get_target_property(pending ${target} LINK_LIBRARIES)
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${current})
        if(TARGET ${current})
            get_target_property(imported ${current} IMPORTED)
            get_target_property(links ${current} LINK_LIBRARIES)
            if(NOT imported AND links)
                list(APPEND pending ${links})
            endif()
        endif()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(liftcalc_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "NEVER")
    if(NOT TARGET ${target})
        return()
    endif()
    liftcalc_linked(${target} linked)
    foreach(link IN LISTS linked)
        foreach(never IN LISTS arg_NEVER)
            if(link MATCHES "${never}")
                message(FATAL_ERROR "${target} links ${link}, which its layer must not")
            endif()
        endforeach()
    endforeach()
endfunction()

set(faces "^liftcalc_(replay|cli|program|ui|locale|web_binding)$")
# The calculators and the JSON writer are the bottom layer.
liftcalc_layer(liftcalc_calculators NEVER .)
liftcalc_layer(liftcalc_json NEVER .)
# The test record knows the calculators and the JSON writer only: no toolkit, no window, no face.
liftcalc_layer(liftcalc_record NEVER "^Qt6::" "^liftcalc_(window|locale)$" ${faces})
# The window model knows no toolkit and no face.
liftcalc_layer(liftcalc_window NEVER "^Qt6::" ${faces})
liftcalc_layer(liftcalc_web_binding NEVER "^Qt6::" ${faces})
# The replay library is Qt-free; only its program reads locale names, through Qt Core.
liftcalc_layer(liftcalc_replay NEVER "^Qt6::" ${faces})
# The command line and the program stay on Qt Core.
liftcalc_layer(liftcalc_cli NEVER "^Qt6::(Gui|Widgets)$" "^liftcalc_(window|replay|program|ui)$")
liftcalc_layer(liftcalc NEVER "^Qt6::(Gui|Widgets)$" "^liftcalc_(window|replay|ui)$")
# The record's PDF is drawn with Qt GUI, without widgets or a face.
liftcalc_layer(liftcalc_pdf NEVER "^Qt6::Widgets$" ${faces})
# The window module is the window only.
liftcalc_layer(liftcalc_window_module NEVER "^liftcalc_(replay|cli|program)$")
