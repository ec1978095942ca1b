# The thunderstorm-day workbook, built from its CSV source and placed beside the executable.
set(RIDE_PYTHON3 /usr/bin/python3 CACHE FILEPATH "The Python that has Debian's python3-xlwt")
set(_thunder_csv ${CMAKE_CURRENT_LIST_DIR}/thunder-days.csv)
set(_thunder_xls "${RIDE_OUTPUT_DIR}/全国主要城镇雷暴日数.xls")
add_custom_command(
  OUTPUT "${_thunder_xls}"
  COMMAND ${CMAKE_COMMAND} -E make_directory ${RIDE_OUTPUT_DIR}
  COMMAND ${RIDE_PYTHON3} ${PROJECT_SOURCE_DIR}/scripts/make_workbook.py ${_thunder_csv} "${_thunder_xls}"
  DEPENDS ${_thunder_csv} ${PROJECT_SOURCE_DIR}/scripts/make_workbook.py
  COMMENT "Building the thunderstorm-day workbook"
  VERBATIM)
list(APPEND RIDE_DATA_OUTPUTS "${_thunder_xls}")
