# Installs the Debian packages the project needs when any is missing.
# Sourced by scripts/test, scripts/run, scripts/bench, scripts/screenshots, scripts/monkey
# and scripts/package.
zapt_packages=(
  # build tools; the regex module gives the tests grapheme clusters of their own
  cmake g++ make pkg-config python3 python3-regex
  # the code's style, kept by the project's .clang-format and checked first by scripts/test
  clang-format
  # Qt 6: widgets and tests, the upload page's web engine (with the OpenGL files its
  # CMake package asks for), and SVG for saving the charts as pictures
  qt6-base-dev qt6-webengine-dev libqt6opengl6-dev libgl-dev qt6-svg-dev
  # libraries of the core, the tests and the benchmarks
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev
  libxlsxwriter-dev
  # the checksums of a compiled corpus and of the files it was compiled from
  libxxhash-dev
  # Unicode: case folding, grapheme clusters, UTF-8 checks of corpus tables
  libicu-dev
  # patterns users type, matched in linear time; the British English word list
  # behind the "not in a standard dictionary" filter, and the American one the
  # lexicon's proposals may take instead
  libre2-dev wbritish wamerican
  # a real X server for the window tests and screenshots; the fonts of the windows
  # (Liberation Sans) and of the web page (DejaVu Sans, the sans-serif face)
  xvfb xauth fonts-liberation fonts-dejavu-core fontconfig
  # the Debian package (dpkg-shlibdeps works out its dependencies) and the
  # check of the installed desktop entry
  dpkg-dev desktop-file-utils
)

# Only for scripts/fuzz: clang and its libFuzzer runtime.
zapt_fuzz_packages=(clang libclang-rt-dev)

# Installs the packages named (by default zapt_packages) that are missing.
zapt_install_deps() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${zapt_packages[@]}")
  local missing=()
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "error: these Debian packages are missing: ${missing[*]}" >&2
      echo "They are installed with apt-get, which needs root, and sudo is not installed." >&2
      echo "Run this script once as root (e.g. 'su -c \"$0\"'), or install sudo first," >&2
      echo "or install the packages yourself: apt-get install ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
