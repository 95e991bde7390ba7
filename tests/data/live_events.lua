-- Handlers bound by name on a control and on a relay, as a form's logic writes them.
function Form_Load()
    hOne.HoverText = "Prompt"
    Print("loaded", hOne.HoverText, hOne.Enabled, evRTF, ILBottom)
end

function hOne_Click()
    Print("Click")
end

function hOne_MouseMove(Button, Shift, X, Y)
    Print("MouseMove", Button, Shift, X, Y)
end

PE = CreateObject("PaginorV2CTL.clsPromptEvents")
function PE_EventRaised(obj, name, data)
    Print("EventRaised", obj, name, data)
    return "C42"
end
