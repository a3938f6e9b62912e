"""Builds the extension kep._kep with the project's CMake build, for pip."""

import os
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def project_version():
    """The version of `project(KEP VERSION ...)`, which the programs print too."""
    cmake = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(KEP VERSION ([0-9.]+)", cmake).group(1)


class CMakeBuild(build_ext):
    """Configures a Release build of the libraries and the module only, for the
    Python that runs pip, and copies the module where setuptools expects it."""

    def build_extension(self, ext):
        build = pathlib.Path(self.build_temp).resolve() / "cmake"
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                        "-DKEP_BUILD_DESKTOP=OFF", "-DKEP_BUILD_TESTS=OFF", "-DKEP_BUILD_BENCH=OFF",
                        f"-DPython3_EXECUTABLE={sys.executable}"], check=True)
        subprocess.run(["cmake", "--build", build, "--target", "kep_python",
                        "-j", str(os.cpu_count() or 1)], check=True)
        built = next((build / "python" / "kep").glob("_kep.*"))
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built, target)


setup(
    version=project_version(),
    ext_modules=[Extension("kep._kep", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    # Beside the CMake build directories, which .gitignore already leaves out.
    options={"build": {"build_base": "build-pip"}},
)
