"""Reads the fields a main-edition page posts: deciphers the payloads and splits their layouts.

Posted values arrive as the page's bytes; they are held as text with one character per byte
(latin-1), so nothing is lost between the form and the cipher.
"""

import pc1

FIELD_SEPARATOR = "[;]"
DEVICE_FIELDS = [
    "Name", "DriverVersion", "ProviderName", "DriverDate", "DeviceInstanceID", "Driver",
    "ClassName", "InfPath", "HardwareIDs", "CompatibleIDs", "MatchingDeviceID", "ProblemCode",
    "InfMD5",
]
PROCESS_FIELDS = ["ProcessId", "Name", "Memory", "ExecutablePath", "Modules", "MD5", "Size"]
VERSION_FIELDS = ["CompanyName", "ProductName", "ProductVersion", "FileVersion"]


def as_text(data: bytes) -> str:
    """Bytes of the client's ANSI code page as display text."""
    return data.decode("cp1252", errors="replace")


def cipher_letters(value: str) -> str:
    """A text area's value without the line break the page puts after it."""
    return value.strip(" \t\r\n")


def decipher(value: str) -> bytes:
    return pc1.decrypt(cipher_letters(value))


def parse_diagnostic(value: str) -> dict:
    """"driverlength=n=m", and "=cipher" after it when the client's round trip failed."""
    text = value.strip(" \t\r\n")
    parts = text.split("=", 3)
    if len(parts) < 3 or parts[0] != "driverlength":
        return {"text": text, "valid": False}
    result = {"text": text, "valid": True, "report_length": parts[1], "cipher_length": parts[2],
              "round_trip_failed": len(parts) == 4}
    if len(parts) == 4:
        result["cipher"] = parts[3]
    return result


def parse_report(report: str) -> dict:
    """Ten "key=value" computer lines, then "driver_N=" lines of thirteen fields."""
    computer, devices, other = [], [], []
    for line in report.split("\r\n"):
        key, sep, value = line.partition("=")
        if key.startswith("driver_") and key[7:].isdigit() and sep:
            fields = value.split(FIELD_SEPARATOR)
            devices.append({"number": int(key[7:]), "fields": fields,
                            "complete": len(fields) == len(DEVICE_FIELDS)})
        elif sep and not devices:
            computer.append([key, value])
        elif line:
            other.append(line)
    return {"computer": computer, "devices": devices, "unparsed": other}


def parse_process(record: str) -> dict:
    """"pid,name,1,path,1,md5,size--VERSION--company==product==pversion==fversion"."""
    head, _, version = record.partition("--VERSION--")
    result = {"record": record, "version": version.split("==")}
    pid, _, rest = head.partition(",")
    rest_fields = rest.rsplit(",", 3)  # name,1,path | modules | md5 | size
    if len(rest_fields) == 4:
        name_memory_path, modules, md5, size = rest_fields
        name, _, path = name_memory_path.partition(",1,")
        result["fields"] = [pid, name, "1", path, modules, md5, size]
    else:
        result["fields"] = [pid] + rest_fields
    return result


def parse_processes(inventory: str) -> list:
    return [parse_process(r) for r in inventory.split("\r\n") if r]


def decode_scan(fields: dict) -> dict:
    """Everything readable in one posted scan; a field that fails to decode gets an error."""
    decoded = {"errors": {}}
    diagnostic = parse_diagnostic(fields.get("setup_api_log", ""))
    decoded["diagnostic"] = diagnostic

    drivers = fields.get("drivers", "")
    try:
        if diagnostic.get("round_trip_failed"):
            # The client could not decipher its own text and posted the plain report.
            report = as_text(drivers.rstrip("\r\n").encode("latin-1"))
            decoded["drivers_plain"] = True
        else:
            report = as_text(decipher(drivers))
            decoded["drivers_plain"] = False
        decoded["report"] = report
        decoded.update(parse_report(report))
    except ValueError as error:
        decoded["errors"]["drivers"] = str(error)

    for name in ("proc", "hwid"):
        try:
            decoded[name] = as_text(decipher(fields.get(name, "")))
        except ValueError as error:
            decoded["errors"][name] = str(error)
    decoded["processes"] = parse_processes(decoded.get("proc", ""))
    for name in ("version", "portable", "action", "email", "password"):
        decoded[name] = as_text(fields.get(name, "").encode("latin-1"))
    return decoded
