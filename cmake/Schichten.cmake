# Every program folder is a layer with two static libraries:
#   tarvo_<folder>_logik  deciding code; Qt6::Core and the logic beneath only,
#                         so no widget can be reached from it;
#   tarvo_<folder>_gui    frames and dialogs that show what the logic decides.
# Both link the layers named beneath them and nothing else. An include of a
# folder that is not the layer's own or beneath it stops the configuration,
# so a way back up cannot be built.
#
# tarvo_schicht(<folder> [UNTER <folders beneath>...])

function(tarvo_schicht Ordner)
    cmake_parse_arguments(S "" "" "UNTER" ${ARGN})
    set(Logik tarvo_${Ordner}_logik)
    set(Gui tarvo_${Ordner}_gui)

    add_library(${Logik} STATIC)
    target_include_directories(${Logik} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${Logik} PUBLIC Qt6::Core)

    add_library(${Gui} STATIC)
    target_link_libraries(${Gui} PUBLIC ${Logik} Qt6::Widgets)
    # Frames inherit their form's generated class, so the generated headers
    # are part of their interface for the layers above, tests and tools.
    set_target_properties(${Gui} PROPERTIES AUTOUIC_SEARCH_PATHS ${PROJECT_SOURCE_DIR}/resources/forms)
    target_include_directories(${Gui} PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/${Gui}_autogen/include)

    foreach(Unten IN LISTS S_UNTER)
        target_link_libraries(${Logik} PUBLIC tarvo_${Unten}_logik)
        target_link_libraries(${Gui} PUBLIC tarvo_${Unten}_gui)
    endforeach()

    set_property(GLOBAL APPEND PROPERTY TARVO_SCHICHT_BIBLIOTHEKEN ${Logik} ${Gui})
    # Sources are added after this call: check at the end of the folder. A
    # deferred call reads variables when it runs, so the names are put in now.
    cmake_language(EVAL CODE "cmake_language(DEFER CALL _tarvo_schicht_pruefen ${Ordner} ${S_UNTER})")
endfunction()

function(_tarvo_schicht_pruefen Ordner)
    set(Erlaubt ${Ordner} ${ARGN})
    foreach(Ziel tarvo_${Ordner}_logik tarvo_${Ordner}_gui)
        get_target_property(Quellen ${Ziel} SOURCES)
        get_target_property(Quellordner ${Ziel} SOURCE_DIR)
        foreach(Quelle IN LISTS Quellen)
            cmake_path(ABSOLUTE_PATH Quelle BASE_DIRECTORY ${Quellordner})
            if(NOT EXISTS ${Quelle} OR NOT Quelle MATCHES "\\.(h|cpp|ui)$")
                continue()
            endif()
            # Includes in code, and the headers a form names for its widgets.
            file(STRINGS ${Quelle} Zeilen REGEX "^#include \"[a-z_]+/|<header>[a-z_]+/")
            foreach(Zeile IN LISTS Zeilen)
                string(REGEX MATCH "(\"|<header>)([a-z_]+)/" _ "${Zeile}")
                if(NOT CMAKE_MATCH_2 IN_LIST Erlaubt)
                    message(FATAL_ERROR "${Quelle}: ${Ordner}/ may use ${Erlaubt}/ only, not ${CMAKE_MATCH_2}/: ${Zeile}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()
