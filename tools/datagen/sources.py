"""Fetches the open source data that the sky files are built from.

Everything lands in one scratch folder: Debian packages are downloaded with
apt-get (never installed) and unpacked with dpkg -x; d3-celestial is
fetched with npm pack and untarred, geo-tz installed with its dependencies
by npm into the scratch folder. The system's apt configuration is left
alone: a private sources list, package lists and cache live in the scratch
folder, so the non-free component (needed for the Bright Star Catalogue) is
never added to the machine's own sources.
"""

import pathlib
import shutil
import subprocess

DEBIAN_MIRROR = "http://deb.debian.org/debian"
DEBIAN_SUITE = "bookworm"
DEBIAN_KEYRING = "/usr/share/keyrings/debian-archive-keyring.gpg"

# Debian packages, and why each is needed.
DEBIAN_PACKAGES = {
    "yale": "Bright Star Catalogue, 5th revised edition (non-free)",
    "kstars-data": "OpenNGC deep-sky database, Magellanic Cloud outlines, VSOP87 planet series",
    "marble-qt-data": "Clementine lunar albedo map",
    "xplanet-images": "Earth map for the location dialog",
    "tzdata": "time zones and their cities",
    "stellarium-data": "Tycho stars of V 9.0-10.5 (stars_3_1v0_4.cat), the planets' maps, Caldwell numbers",
}

NPM_PACKAGE = "d3-celestial@0.7.35"
# The time-zone boundaries (timezone-boundary-builder's, with the code that
# finds the zone of a point), for the cities' zones. Installed with its
# dependencies: it needs them to run.
GEO_TZ = "geo-tz@8.1.10"


class Sources:
    """Paths to the unpacked source files, and the package versions used."""

    def __init__(self, root: pathlib.Path):
        self.root = root
        self.tree = root / "tree"  # all Debian packages unpacked here
        self.npm = root / "npm" / "package"
        self.geo_tz = root / "geo-tz"  # an npm prefix: node_modules/geo-tz
        self.versions = {}

    def usr_share(self, *parts) -> pathlib.Path:
        return self.tree.joinpath("usr", "share", *parts)

    def celestial(self, name) -> pathlib.Path:
        return self.npm / "data" / name


def _apt_options(root: pathlib.Path):
    """apt-get options that point apt at a private sources list and state."""
    return [
        "-o", f"Dir::Etc::SourceList={root / 'apt' / 'sources.list'}",
        "-o", "Dir::Etc::SourceParts=/dev/null",
        "-o", f"Dir::State::Lists={root / 'apt' / 'lists'}",
        "-o", f"Dir::Cache={root / 'apt' / 'cache'}",
        "-o", "Debug::NoLocking=1",
        "-q",
    ]


def _prepare_apt(root: pathlib.Path):
    apt = root / "apt"
    (apt / "lists" / "partial").mkdir(parents=True, exist_ok=True)
    (apt / "cache" / "archives" / "partial").mkdir(parents=True, exist_ok=True)
    # The updates and security suites too: tzdata's current release is there,
    # and apt will not download an older one than the machine has installed.
    (apt / "sources.list").write_text(
        f"deb [signed-by={DEBIAN_KEYRING}] {DEBIAN_MIRROR} {DEBIAN_SUITE} main non-free\n"
        f"deb [signed-by={DEBIAN_KEYRING}] {DEBIAN_MIRROR} {DEBIAN_SUITE}-updates main non-free\n"
        f"deb [signed-by={DEBIAN_KEYRING}] {DEBIAN_MIRROR}-security {DEBIAN_SUITE}-security main\n")
    subprocess.run(["apt-get", *_apt_options(root), "update"], check=True,
                   stdout=subprocess.DEVNULL)


def _deb_field(deb: pathlib.Path, field: str) -> str:
    return subprocess.run(["dpkg-deb", "-f", str(deb), field], check=True,
                          capture_output=True, text=True).stdout.strip()


def _fetch_debs(root: pathlib.Path, packages, versions: dict):
    debs = root / "debs"
    debs.mkdir(parents=True, exist_ok=True)
    wanted = [p for p in packages if not list(debs.glob(f"{p}_*.deb"))]
    if wanted:
        _prepare_apt(root)
        # apt-get download writes into the current directory.
        subprocess.run(["apt-get", *_apt_options(root), "download", *wanted],
                       check=True, cwd=debs)
    tree = root / "tree"
    for package in packages:
        deb = sorted(debs.glob(f"{package}_*.deb"))[-1]
        versions[package] = _deb_field(deb, "Version")
        marker = tree / f".unpacked-{deb.name}"
        if not marker.exists():
            subprocess.run(["dpkg", "-x", str(deb), str(tree)], check=True)
            marker.touch()


def _fetch_npm(root: pathlib.Path, versions: dict):
    folder = root / "npm"
    folder.mkdir(parents=True, exist_ok=True)
    name, version = NPM_PACKAGE.rsplit("@", 1)
    tarball = folder / f"{name}-{version}.tgz"
    if not tarball.exists():
        subprocess.run(["npm", "pack", "--silent", NPM_PACKAGE], check=True, cwd=folder,
                       stdout=subprocess.DEVNULL)
    if not (folder / "package").exists():
        subprocess.run(["tar", "-xzf", str(tarball), "-C", str(folder)], check=True)
    versions[name] = version


def _install_geo_tz(root: pathlib.Path, versions: dict):
    folder = root / "geo-tz"
    name, version = GEO_TZ.rsplit("@", 1)
    if not (folder / "node_modules" / name / "package.json").exists():
        folder.mkdir(parents=True, exist_ok=True)
        subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--no-save",
                        "--prefix", str(folder), GEO_TZ], check=True, stdout=subprocess.DEVNULL)
    versions[name] = version


def fetch(root: pathlib.Path, fresh: bool = False, only_cities: bool = False) -> Sources:
    """Downloads and unpacks the sources into root (reusing what is there):
    every one, or only those of cities.tab."""
    if fresh and root.exists():
        shutil.rmtree(root)
    root.mkdir(parents=True, exist_ok=True)
    sources = Sources(root)
    _fetch_debs(root, ("kstars-data", "tzdata") if only_cities else tuple(DEBIAN_PACKAGES),
                sources.versions)
    if not only_cities:
        _fetch_npm(root, sources.versions)
    _install_geo_tz(root, sources.versions)
    return sources
