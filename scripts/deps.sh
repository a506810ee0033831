# Installs the Debian packages the project needs when any is missing.
# Sourced by scripts/test and scripts/run.
zapt_packages=(
  cmake g++ make pkg-config python3
  qt6-base-dev qt6-webengine-dev libqt6opengl6-dev libgl-dev
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation
)

zapt_install_deps() {
  local missing=()
  for p in "${zapt_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
