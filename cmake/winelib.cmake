# Builds winelib programs: native ELF code that runs on Wine's Win32.
find_program(WINEGCC NAMES winegcc winegcc-stable PATHS /usr/lib/wine /usr/bin NO_DEFAULT_PATH)
find_program(WINEGXX NAMES wineg++ wineg++-stable PATHS /usr/lib/wine /usr/bin NO_DEFAULT_PATH)
find_program(WINE_WRC NAMES wrc wrc-stable PATHS /usr/lib/wine /usr/bin NO_DEFAULT_PATH)
set(CMAKE_C_COMPILER ${WINEGCC})
set(CMAKE_CXX_COMPILER ${WINEGXX})
set(CMAKE_RC_COMPILER ${WINE_WRC})
