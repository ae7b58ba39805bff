# SPDX-License-Identifier: GPL-3.0-or-later
# OpenCV's core, imgproc and imgcodecs as Debian's libopencv-*-dev packages install them (the
# per-module packages carry no CMake configuration): the target ArdenoOpenCV, or none when absent.
find_path(ARDENO_OPENCV_INCLUDE opencv2/imgproc.hpp PATH_SUFFIXES opencv4)
find_library(ARDENO_OPENCV_CORE opencv_core)
find_library(ARDENO_OPENCV_IMGPROC opencv_imgproc)
find_library(ARDENO_OPENCV_IMGCODECS opencv_imgcodecs)
if(ARDENO_OPENCV_INCLUDE AND ARDENO_OPENCV_CORE AND ARDENO_OPENCV_IMGPROC AND ARDENO_OPENCV_IMGCODECS)
  add_library(ArdenoOpenCV INTERFACE)
  target_include_directories(ArdenoOpenCV SYSTEM INTERFACE ${ARDENO_OPENCV_INCLUDE})
  target_link_libraries(ArdenoOpenCV INTERFACE ${ARDENO_OPENCV_IMGCODECS} ${ARDENO_OPENCV_IMGPROC}
                        ${ARDENO_OPENCV_CORE})
else()
  message(STATUS "OpenCV (imgproc, imgcodecs) not found: the drawing recognition is left out")
endif()
