#!/usr/bin/env python3
"""Writes the sample sales tax table resources/Data.tbl.

The table lists made-up but plausible rates for places in every county of the state, in the
fixed-width layout the program reads: a 10-character location code (county-place-check digit),
name, county, the date the current rates took effect, the current rate set, two reserved dates,
the prior rate set, and a trailer line whose date is the table's last update. The rates are
samples for trying the program, not the state's published rates.

Usage: make_sample_tax_table.py [output]   (default: resources/Data.tbl beside this tool)
"""
import pathlib
import sys

COUNTIES = [
    "ADAMS", "ALEXANDER", "BOND", "BOONE", "BROWN", "BUREAU", "CALHOUN", "CARROLL", "CASS",
    "CHAMPAIGN", "CHRISTIAN", "CLARK", "CLAY", "CLINTON", "COLES", "COOK", "CRAWFORD",
    "CUMBERLAND", "DE KALB", "DE WITT", "DOUGLAS", "DU PAGE", "EDGAR", "EDWARDS", "EFFINGHAM",
    "FAYETTE", "FORD", "FRANKLIN", "FULTON", "GALLATIN", "GREENE", "GRUNDY", "HAMILTON",
    "HANCOCK", "HARDIN", "HENDERSON", "HENRY", "IROQUOIS", "JACKSON", "JASPER", "JEFFERSON",
    "JERSEY", "JO DAVIESS", "JOHNSON", "KANE", "KANKAKEE", "KENDALL", "KNOX", "LAKE",
    "LA SALLE", "LAWRENCE", "LEE", "LIVINGSTON", "LOGAN", "MC DONOUGH", "MC HENRY", "MC LEAN",
    "MACON", "MACOUPIN", "MADISON", "MARION", "MARSHALL", "MASON", "MASSAC", "MENARD", "MERCER",
    "MONROE", "MONTGOMERY", "MORGAN", "MOULTRIE", "OGLE", "PEORIA", "PERRY", "PIATT", "PIKE",
    "POPE", "PULASKI", "PUTNAM", "RANDOLPH", "RICHLAND", "ROCK ISLAND", "ST CLAIR", "SALINE",
    "SANGAMON", "SCHUYLER", "SCOTT", "SHELBY", "STARK", "STEPHENSON", "TAZEWELL", "UNION",
    "VERMILION", "WABASH", "WARREN", "WASHINGTON", "WAYNE", "WHITE", "WHITESIDE", "WILL",
    "WILLIAMSON", "WINNEBAGO", "WOODFORD",
]

# Places per county (county number -> names); every county also gets its unincorporated area.
PLACES = {
    1: ["QUINCY", "CAMP POINT", "GOLDEN"], 2: ["CAIRO", "TAMMS"], 3: ["GREENVILLE", "POCAHONTAS"],
    4: ["BELVIDERE", "POPLAR GROVE", "CAPRON"], 5: ["MOUNT STERLING"], 6: ["PRINCETON", "SPRING VALLEY", "WALNUT"],
    7: ["HARDIN"], 8: ["MOUNT CARROLL", "SAVANNA", "LANARK"], 9: ["BEARDSTOWN", "VIRGINIA"],
    10: ["CHAMPAIGN", "URBANA", "RANTOUL", "SAVOY", "MAHOMET", "TOLONO"],
    11: ["TAYLORVILLE", "PANA"], 12: ["MARSHALL", "CASEY"], 13: ["FLORA", "LOUISVILLE"],
    14: ["CARLYLE", "BREESE", "TRENTON"], 15: ["CHARLESTON", "MATTOON", "OAKLAND"],
    16: ["CHICAGO", "ARLINGTON HEIGHTS", "BERWYN", "CICERO", "DES PLAINES", "ELK GROVE VILLAGE",
         "EVANSTON", "HARVEY", "HOFFMAN ESTATES", "LA GRANGE", "MAYWOOD", "MORTON GROVE",
         "MOUNT PROSPECT", "NILES", "NORTHBROOK", "OAK FOREST", "OAK LAWN", "OAK PARK",
         "ORLAND PARK", "PALATINE", "PARK RIDGE", "SCHAUMBURG", "SKOKIE", "TINLEY PARK",
         "WHEELING", "WILMETTE", "BLUE ISLAND", "CALUMET CITY", "CHICAGO HEIGHTS",
         "EVERGREEN PARK", "FRANKLIN PARK", "GLENVIEW", "HARWOOD HEIGHTS", "LANSING",
         "MELROSE PARK", "NORRIDGE", "ROSEMONT", "STREAMWOOD", "WINNETKA", "BURBANK"],
    17: ["ROBINSON", "OBLONG", "PALESTINE"], 18: ["TOLEDO", "GREENUP"],
    19: ["DE KALB", "SYCAMORE", "GENOA", "SANDWICH"], 20: ["CLINTON", "FARMER CITY"],
    21: ["TUSCOLA", "ARCOLA", "VILLA GROVE"],
    22: ["ADDISON", "AURORA", "BENSENVILLE", "BLOOMINGDALE", "CAROL STREAM", "CLARENDON HILLS",
         "DARIEN", "DOWNERS GROVE", "ELMHURST", "GLEN ELLYN", "GLENDALE HEIGHTS", "HINSDALE",
         "ITASCA", "LISLE", "LOMBARD", "NAPERVILLE", "OAKBROOK TERRACE", "OAK BROOK",
         "ROSELLE", "VILLA PARK", "WARRENVILLE", "WEST CHICAGO", "WESTMONT", "WHEATON",
         "WILLOWBROOK", "WINFIELD", "WOOD DALE", "WOODRIDGE"],
    23: ["PARIS", "CHRISMAN"], 24: ["ALBION", "WEST SALEM"], 25: ["EFFINGHAM", "ALTAMONT", "TEUTOPOLIS"],
    26: ["VANDALIA", "ST ELMO"], 27: ["PAXTON", "GIBSON CITY"], 28: ["BENTON", "WEST FRANKFORT", "CHRISTOPHER"],
    29: ["CANTON", "LEWISTOWN", "ASTORIA"], 30: ["SHAWNEETOWN"], 31: ["CARROLLTON", "WHITE HALL"],
    32: ["MORRIS", "COAL CITY", "MINOOKA"], 33: ["MC LEANSBORO"], 34: ["CARTHAGE", "NAUVOO", "WARSAW"],
    35: ["ELIZABETHTOWN", "ROSICLARE"], 36: ["OQUAWKA", "STRONGHURST"], 37: ["KEWANEE", "GENESEO", "GALVA"],
    38: ["WATSEKA", "MILFORD"], 39: ["CARBONDALE", "MURPHYSBORO", "DE SOTO"], 40: ["NEWTON"],
    41: ["MOUNT VERNON"], 42: ["JERSEYVILLE", "GRAFTON"], 43: ["GALENA", "STOCKTON", "EAST DUBUQUE"],
    44: ["VIENNA"],
    45: ["AURORA", "BATAVIA", "CARPENTERSVILLE", "ELGIN", "GENEVA", "ST CHARLES", "SOUTH ELGIN",
         "NORTH AURORA", "MONTGOMERY", "SUGAR GROVE", "HAMPSHIRE"],
    46: ["KANKAKEE", "BOURBONNAIS", "BRADLEY", "MANTENO"], 47: ["YORKVILLE", "OSWEGO", "PLANO"],
    48: ["GALESBURG", "KNOXVILLE", "ABINGDON"],
    49: ["WAUKEGAN", "NORTH CHICAGO", "LAKE FOREST", "HIGHLAND PARK", "LIBERTYVILLE", "MUNDELEIN",
         "VERNON HILLS", "GURNEE", "ZION", "ANTIOCH", "LAKE ZURICH", "BUFFALO GROVE"],
    50: ["OTTAWA", "LA SALLE", "PERU", "STREATOR", "MENDOTA"], 51: ["LAWRENCEVILLE", "BRIDGEPORT"],
    52: ["DIXON", "AMBOY"], 53: ["PONTIAC", "DWIGHT", "FAIRBURY"], 54: ["LINCOLN", "ATLANTA"],
    55: ["MACOMB", "BUSHNELL"],
    56: ["CRYSTAL LAKE", "MC HENRY", "WOODSTOCK", "ALGONQUIN", "CARY", "HARVARD", "HUNTLEY",
         "LAKE IN THE HILLS", "MARENGO"],
    57: ["BLOOMINGTON", "NORMAL", "LE ROY", "CHENOA"], 58: ["DECATUR", "MOUNT ZION", "MAROA"],
    59: ["CARLINVILLE", "STAUNTON", "GILLESPIE"],
    60: ["ALTON", "COLLINSVILLE", "EDWARDSVILLE", "GRANITE CITY", "GODFREY", "HIGHLAND", "WOOD RIVER"],
    61: ["CENTRALIA", "SALEM"], 62: ["LACON", "HENRY"], 63: ["HAVANA", "MASON CITY"], 64: ["METROPOLIS"],
    65: ["PETERSBURG", "ATHENS"], 66: ["ALEDO"], 67: ["WATERLOO", "COLUMBIA"], 68: ["HILLSBORO", "LITCHFIELD"],
    69: ["JACKSONVILLE"], 70: ["SULLIVAN"], 71: ["OREGON", "ROCHELLE", "BYRON"],
    72: ["PEORIA", "PEORIA HEIGHTS", "BARTONVILLE", "CHILLICOTHE"], 73: ["PINCKNEYVILLE", "DU QUOIN"],
    74: ["MONTICELLO"], 75: ["PITTSFIELD"], 76: ["GOLCONDA"], 77: ["MOUND CITY", "MOUNDS"],
    78: ["HENNEPIN"], 79: ["CHESTER", "SPARTA", "RED BUD"], 80: ["OLNEY"],
    81: ["ROCK ISLAND", "MOLINE", "EAST MOLINE", "MILAN", "SILVIS"],
    82: ["BELLEVILLE", "EAST ST LOUIS", "O FALLON", "FAIRVIEW HEIGHTS", "MASCOUTAH", "CAHOKIA"],
    83: ["HARRISBURG", "ELDORADO"], 84: ["SPRINGFIELD", "CHATHAM", "SHERMAN", "ROCHESTER"],
    85: ["RUSHVILLE"], 86: ["WINCHESTER"], 87: ["SHELBYVILLE"], 88: ["TOULON"], 89: ["FREEPORT"],
    90: ["PEKIN", "EAST PEORIA", "MORTON", "WASHINGTON"], 91: ["ANNA", "JONESBORO"],
    92: ["DANVILLE", "HOOPESTON"], 93: ["MOUNT CARMEL"], 94: ["MONMOUTH"], 95: ["NASHVILLE"],
    96: ["FAIRFIELD"], 97: ["CARMI"], 98: ["STERLING", "ROCK FALLS", "MORRISON"],
    99: ["JOLIET", "BOLINGBROOK", "ROMEOVILLE", "LOCKPORT", "NEW LENOX", "PLAINFIELD", "FRANKFORT", "MOKENA"],
    100: ["MARION", "HERRIN", "CARTERVILLE"], 101: ["ROCKFORD", "LOVES PARK", "MACHESNEY PARK", "ROSCOE"],
    102: ["EUREKA", "EL PASO"],
}

# Location codes that must be present with exactly these numbers and check digits, because the
# program's documentation and tests refer to them.
FIXED_CODES = {
    (16, "CHICAGO"): "016-0001-1",
    (16, "ARLINGTON HEIGHTS"): "016-0002-1",
    (22, "ADDISON"): "022-0001-2",
    (22, "NAPERVILLE"): "022-0068-6",
}
UNINCORPORATED_PLACE = 5000
FIXED_UNINCORPORATED = {76: "076-5000-3"}

STATE_GENERAL = 6250  # thousandths of a percent
STATE_FOOD = 1000
CURRENT_DATE = "20260701"
PRIOR_CHANGE_DATE = "20260101"
TRAILER_DATE = "20260701"


def check_digit(county: int, place: int) -> int:
    digits = f"{county:03d}{place:04d}"
    total = sum(int(d) * w for d, w in zip(digits, (7, 6, 5, 4, 3, 2, 1)))
    return total % 10


def code_of(county: int, place: int) -> str:
    return f"{county:03d}-{place:04d}-{check_digit(county, place)}"


def local_rates(county: int, place_index: int, name: str):
    """Sample local additions (general, food) for the current and prior sets."""
    if county == 16 and name == "CHICAGO":
        current = (3000, 1250)
        prior = (2750, 1250)
    elif county == 16:
        current = (1750 + 250 * (place_index % 4), 1000 + 250 * (place_index % 2))
        prior = (1750 + 250 * (place_index % 3), 1000)
    elif county in (22, 45, 49, 56, 99):  # collar counties with a transit district share
        current = (750 + 250 * (place_index % 5), 0)
        prior = (750 + 250 * (place_index % 4), 0)
    else:
        current = (250 * (place_index % 5), 250 * (place_index % 2))
        prior = current if place_index % 3 else (max(0, current[0] - 250), current[1])
    return current, prior


def rate_set(general: int, food: int) -> str:
    # rate, rate, flag, purchases rate, purchases rate, flag, reserved rate, flag
    return f"{general:05d}{food:05d} {STATE_GENERAL:05d}{STATE_FOOD:05d} 00000 "


def line(code: str, name: str, county: str, effective: str, current, prior) -> str:
    text = (code.ljust(10) + name.ljust(25)[:25] + county.ljust(25)[:25] + effective
            + rate_set(STATE_GENERAL + current[0], STATE_FOOD + current[1])
            + " " * 16
            + rate_set(STATE_GENERAL + prior[0], STATE_FOOD + prior[1]))
    assert len(text) == 140, (code, len(text))
    return text


def rows():
    for county_number, county in enumerate(COUNTIES, start=1):
        names = PLACES.get(county_number, [])
        for index, name in enumerate(names, start=1):
            code = FIXED_CODES.get((county_number, name), code_of(county_number, index))
            if code.split("-")[1] != f"{index:04d}" and (county_number, name) not in FIXED_CODES:
                raise SystemExit(f"code clash for {name}")
            place_index = int(code.split("-")[1])
            current, prior = local_rates(county_number, place_index, name)
            effective = PRIOR_CHANGE_DATE if place_index % 4 else CURRENT_DATE
            yield line(code, name, county, effective, current, prior)
        code = FIXED_UNINCORPORATED.get(county_number, code_of(county_number, UNINCORPORATED_PLACE))
        current, prior = local_rates(county_number, 0, "")
        yield line(code, f"{county} UNINCORPORATED"[:25], county, PRIOR_CHANGE_DATE, current, prior)


def main() -> None:
    default = pathlib.Path(__file__).resolve().parents[2] / "resources" / "Data.tbl"
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    lines = list(rows())
    lines.append(" " * 60 + TRAILER_DATE + " " * 72)
    output.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
    print(f"{output}: {len(lines) - 1} locations")


if __name__ == "__main__":
    main()
