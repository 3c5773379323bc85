# A table name that names no table fails with the missing-item message.
{
    "settings": ["TableName=T9"],
    "error": {"exit": 1, "stderr": "Item 'T9' doesn't exist"},
}
