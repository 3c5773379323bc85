# The axis heading for the second age group (entry 1) is missing: the render
# fails with an error report.
{
    "error": {"exit": 1, "stderr": "tabulo: "},
}
