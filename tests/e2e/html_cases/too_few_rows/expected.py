# The third side leaf finds no value row left: the render fails.
{
    "error": {"exit": 1, "stderr": "tabulo: "},
}
