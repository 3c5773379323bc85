# The second Gender block (entries 2 and 3) is missing: the render fails with
# an error report instead of reading past the list.
{
    "error": {"exit": 1, "stderr": "tabulo: "},
}
